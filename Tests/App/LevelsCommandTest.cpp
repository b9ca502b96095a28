#include <QCheckBox>
#include <QDir>
#include <QTest>

#include "App/QuadLevelsViewController.h"
#include "App/RangeSlider.h"
#include "App/SaveRow.h"
#include "ViewSupport/CliComparison.h"
#include "ViewSupport/CliRun.h"
#include "ViewSupport/ScriptedUiServices.h"
#include "ViewSupport/TestFiles.h"

using sg::QuadLevelsViewController;
using namespace sg::testing;

namespace {

bool saveWithView(const QString& input, double start, double end, bool zeroFirst,
                  const QString& target, const QString& xmlFolder) {
    ScriptedUiServices ui;
    QuadLevelsViewController view(ui);
    ui.answerOpen(input);
    view.loadCurve();
    view.rangeSlider()->setSelection({start, end});
    view.zeroFirstCheck()->setChecked(zeroFirst);
    return saveThroughRow(ui, *view.saveRow(), target, xmlFolder,
                          [&view] { view.saveTrimmedCurve(); });
}

}  // namespace

class LevelsCommandTest : public QObject {
    Q_OBJECT

private:
    TestFolder folder;

private slots:
    void init() { QVERIFY(folder.reset()); }

    void cliWritesWhatTheViewSaves_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<bool>("zeroFirst");
        QTest::addColumn<QString>("golden");
        QTest::addColumn<bool>("gutenprint");
        const QString warm = testDataPath("CurveTools/WarmBaryta8.quad");
        QTest::newRow("full range")
            << warm << 0.0 << 1.0 << false << "levels-full-range.quad" << false;
        QTest::newRow("trimmed, zero first")
            << warm << 0.35 << 0.9 << true << "levels-trimmed-zero-first.quad" << false;
        QTest::newRow("CRLF, six channels")
            << testDataPath("CurveTools/Matte6Crlf.quad") << 0.1 << 0.75 << true
            << "levels-crlf-six-channels.quad" << false;
        // The export follows the zeroing save, so it carries the zeroed first values too.
        QTest::newRow("Gutenprint export")
            << warm << 0.3 << 0.7 << true << "levels-gutenprint.quad" << true;
    }

    void cliWritesWhatTheViewSaves() {
        QFETCH(QString, input);
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(bool, zeroFirst);
        QFETCH(QString, golden);
        QFETCH(bool, gutenprint);
        QStringList arguments{
            "levels", input, "--start", QString::number(start), "--end", QString::number(end)};
        if (zeroFirst) {
            arguments << "--zero-first";
        }
        const QString difference = compareCliWithView(
            {arguments, golden, gutenprint},
            [&](const QString& target, const QString& xmlFolder) {
                return saveWithView(input, start, end, zeroFirst, target, xmlFolder);
            },
            folder.path());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void refusalsExitWith1AndUsageErrorsWith2() {
        const QString input = testDataPath("CurveTools/WarmBaryta8.quad");
        const QString out = folder.filePath("out.quad");
        struct Call {
            QStringList arguments;
            int exitCode;
            QByteArray errorStart;
        };
        const QList<Call> calls{
            {{"levels", testDataPath("CurveTools/DivZeroExport.quad"), "--start", "0", "--end",
              "1"},
             1,
             testDataPath("CurveTools/DivZeroExport.quad").toUtf8() +
                 ": Failed to Load Quad File: "},
            {{"levels", input, "--start", "0", "--end", "1", "--gutenprint",
              folder.filePath("no such folder")},
             1,
             "Failed to Export Gutenprint XML: "},
            {{"levels", input, "--start", "0.6", "--end", "0.5"}, 2, ""},
            {{"levels", input, "--start", "0", "--end", "nan"}, 2, ""},
            {{"levels", input, "--start", "0"}, 2, ""},
        };
        for (const Call& call : calls) {
            const CliRun run = runCli(call.arguments + QStringList{"--output", out});
            QVERIFY2(run.exitCode == call.exitCode, qPrintable(call.arguments.join(' ')));
            QVERIFY(run.out.isEmpty());
            QVERIFY(run.err.startsWith(call.errorStart) && !run.err.isEmpty());
        }
        QVERIFY(QDir(folder.path()).isEmpty());
    }
};

QTEST_MAIN(LevelsCommandTest)
#include "LevelsCommandTest.moc"
