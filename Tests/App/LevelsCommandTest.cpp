#include <QCheckBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "App/QuadLevelsViewController.h"
#include "App/RangeSlider.h"
#include "App/SaveRow.h"
#include "ViewSupport/CliComparison.h"
#include "ViewSupport/CliRun.h"
#include "ViewSupport/ScriptedUiServices.h"
#include "ViewSupport/TestFiles.h"

using namespace sg::testing;

namespace {

struct Levels {
    QString input;
    double start;
    double end;
    bool zeroFirst;
};

bool saveWithView(const Levels& levels, const QString& target, const QString& xmlFolder) {
    ScriptedUiServices ui;
    sg::QuadLevelsViewController view(ui);
    ui.answerOpen(levels.input);
    view.loadCurve();
    view.rangeSlider()->setSelection({levels.start, levels.end});
    view.zeroFirstCheck()->setChecked(levels.zeroFirst);
    return saveThroughRow(ui, *view.saveRow(), target, xmlFolder,
                          [&view] { view.saveTrimmedCurve(); });
}

ComparisonRow row(const Levels& levels, const char* golden, bool gutenprint = false) {
    QStringList arguments{"levels",  levels.input,
                          "--start", QString::number(levels.start),
                          "--end",   QString::number(levels.end)};
    if (levels.zeroFirst) {
        arguments << "--zero-first";
    }
    return {arguments, golden, gutenprint, [levels](const QString& target, const QString& xml) {
                return saveWithView(levels, target, xml);
            }};
}

}  // namespace

class LevelsCommandTest : public QObject {
    Q_OBJECT

private slots:
    void cliWritesWhatTheViewSaves() {
        const QString warm = testDataPath("CurveTools/WarmBaryta8.quad");
        const QString differences = compareCliWithView({
            row({warm, 0.0, 1.0, false}, "levels-full-range.quad"),
            row({warm, 0.35, 0.9, true}, "levels-trimmed-zero-first.quad"),
            row({testDataPath("CurveTools/Matte6Crlf.quad"), 0.1, 0.75, true},
                "levels-crlf-six-channels.quad"),
            // The export follows the zeroing save, so it carries the zeroed first values too.
            row({warm, 0.3, 0.7, true}, "levels-gutenprint.quad", true),
        });
        QVERIFY2(differences.isEmpty(), qPrintable(differences));
    }

    void refusalsExitWith1AndUsageErrorsWith2() {
        const QTemporaryDir folder;
        const QString input = testDataPath("CurveTools/WarmBaryta8.quad");
        const QString broken = testDataPath("CurveTools/DivZeroExport.quad");
        struct Call {
            QStringList arguments;
            int exitCode;
            QByteArray errorStart;
        };
        const QList<Call> calls{
            {{broken, "--start", "0", "--end", "1"},
             1,
             broken.toUtf8() + ": Failed to Load Quad File: "},
            {{input, "--start", "0", "--end", "1", "--gutenprint",
              folder.filePath("no such folder")},
             1,
             "Failed to Export Gutenprint XML: "},
            {{input, "--start", "0.6", "--end", "0.5"}, 2, ""},
            {{input, "--start", "0", "--end", "nan"}, 2, ""},
            {{input, "--start", "0"}, 2, ""},
        };
        for (const Call& call : calls) {
            const CliRun run = runCli(QStringList{"levels"} + call.arguments +
                                      QStringList{"--output", folder.filePath("out.quad")});
            QVERIFY2(run.exitCode == call.exitCode, qPrintable(call.arguments.join(' ')));
            QVERIFY(run.out.isEmpty());
            QVERIFY(run.err.startsWith(call.errorStart) && !run.err.isEmpty());
        }
        QVERIFY(QDir(folder.path()).isEmpty());
    }
};

QTEST_MAIN(LevelsCommandTest)
#include "LevelsCommandTest.moc"
