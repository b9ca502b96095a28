#include <QCheckBox>
#include <QDir>
#include <QTest>

#include "App/QuadLevelsViewController.h"
#include "App/RangeSlider.h"
#include "ViewSupport/CliRun.h"
#include "ViewSupport/ScriptedUiServices.h"
#include "ViewSupport/TestFiles.h"

using sg::QuadLevelsViewController;
using sg::testing::bytesOf;
using sg::testing::CliRun;
using sg::testing::runCli;
using sg::testing::ScriptedUiServices;
using sg::testing::TestFolder;

namespace {

const QString dataFolder = QStringLiteral(SILVERGRAIN_TEST_DATA_DIR "/CurveTools");

// What the Quad Levels tab saves, and with `folder` also exports afterwards, for a selection.
QByteArray savedByTheView(const QString& input, double start, double end, bool zeroFirst,
                          const QString& target, const QString& folder = QString()) {
    ScriptedUiServices ui;
    QuadLevelsViewController view(ui);
    ui.answerOpen(input);
    view.loadCurve();
    view.rangeSlider()->setSelection({start, end});
    view.zeroFirstCheck()->setChecked(zeroFirst);
    ui.answerSave(target);
    view.saveTrimmedCurve();
    if (!folder.isEmpty()) {
        ui.answerFolder(folder);
        view.exportGutenprintXml();
    }
    if (!ui.alerts.empty() || !ui.scriptFinished()) {
        return {};
    }
    return bytesOf(target);
}

}  // namespace

class LevelsCommandTest : public QObject {
    Q_OBJECT

private:
    TestFolder folder;

private slots:
    void init() { QVERIFY(folder.reset()); }

    void fileMatchesTheViewsSave_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("zeroFirst");
        QTest::newRow("full range") << "WarmBaryta8.quad"
                                    << "0"
                                    << "1" << false;
        QTest::newRow("trimmed") << "WarmBaryta8.quad"
                                 << "0.2"
                                 << "0.8" << false;
        QTest::newRow("trimmed, zero first") << "WarmBaryta8.quad"
                                             << "0.35"
                                             << "0.9" << true;
        QTest::newRow("one level") << "WarmBaryta8.quad"
                                   << "1"
                                   << "1" << false;
        QTest::newRow("CRLF, six channels") << "Matte6Crlf.quad"
                                            << "0.1"
                                            << "0.75" << true;
    }

    void fileMatchesTheViewsSave() {
        QFETCH(QString, input);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(bool, zeroFirst);
        const QString path = dataFolder + "/" + input;
        const QByteArray viewBytes = savedByTheView(path, start.toDouble(), end.toDouble(),
                                                    zeroFirst, folder.filePath("view.quad"));
        QVERIFY(!viewBytes.isEmpty());

        QStringList arguments{"levels", path, "--start", start, "--end", end};
        if (zeroFirst) {
            arguments << "--zero-first";
        }
        const CliRun toFile =
            runCli(arguments + QStringList{"--output", folder.filePath("cli.quad")});
        QCOMPARE(toFile.exitCode, 0);
        QVERIFY(toFile.out.isEmpty());
        QVERIFY(toFile.err.isEmpty());
        QCOMPARE(bytesOf(folder.filePath("cli.quad")), viewBytes);

        const CliRun toStdout = runCli(arguments + QStringList{"--output", "-"});
        QCOMPARE(toStdout.exitCode, 0);
        QCOMPARE(toStdout.out, viewBytes);
        QCOMPARE(runCli(arguments).out, viewBytes);
    }

    void gutenprintMatchesTheViewsExport() {
        const QString input = dataFolder + "/WarmBaryta8.quad";
        QVERIFY(QDir().mkpath(folder.filePath("view/Baryta 300")));
        QVERIFY(QDir().mkpath(folder.filePath("cli/Baryta 300")));
        // Saved with zero-first, then exported: the export carries the zeroed first values.
        const QByteArray viewBytes =
            savedByTheView(input, 0.3, 0.7, true, folder.filePath("view.quad"),
                           folder.filePath("view/Baryta 300"));
        QVERIFY(!viewBytes.isEmpty());
        const CliRun run = runCli({"levels", input, "--start", "0.3", "--end", "0.7",
                                   "--zero-first", "--output", folder.filePath("cli.quad"),
                                   "--gutenprint", folder.filePath("cli/Baryta 300")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(bytesOf(folder.filePath("cli.quad")), viewBytes);

        const QStringList viewFiles =
            QDir(folder.filePath("view/Baryta 300")).entryList(QDir::Files);
        QCOMPARE(viewFiles.size(), 8);
        QCOMPARE(QDir(folder.filePath("cli/Baryta 300")).entryList(QDir::Files), viewFiles);
        for (const QString& name : viewFiles) {
            const QByteArray expected = bytesOf(folder.filePath("view/Baryta 300/") + name);
            QVERIFY(expected.contains("upper-bound=\"65535\">\n0\n"));
            QCOMPARE(bytesOf(folder.filePath("cli/Baryta 300/") + name), expected);
        }
    }

    void refusedInputsExitWith1AndWriteNothing() {
        const CliRun broken = runCli({"levels", dataFolder + "/DivZeroExport.quad", "--start", "0",
                                      "--end", "1", "--output", folder.filePath("out.quad")});
        QCOMPARE(broken.exitCode, 1);
        QVERIFY(broken.out.isEmpty());
        QVERIFY(broken.err.startsWith(dataFolder.toUtf8() +
                                      "/DivZeroExport.quad: Failed to Load Quad File: "));
        QVERIFY(broken.err.contains("#DIV/0!"));

        const CliRun missing = runCli({"levels", folder.filePath("nowhere.quad"), "--start", "0",
                                       "--end", "1", "--output", folder.filePath("out.quad")});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(missing.err.contains("nowhere.quad: Failed to Load Quad File: "));

        // A missing export folder is found before the curve file is written.
        const CliRun noFolder = runCli({"levels", dataFolder + "/WarmBaryta8.quad", "--start", "0",
                                        "--end", "1", "--output", folder.filePath("out.quad"),
                                        "--gutenprint", folder.filePath("no such folder")});
        QCOMPARE(noFolder.exitCode, 1);
        QVERIFY(noFolder.err.startsWith("Failed to Export Gutenprint XML: "));
        QVERIFY(noFolder.out.isEmpty());
        QVERIFY(QDir(folder.path()).isEmpty());
    }

    void usageErrorsExitWith2() {
        const QString input = dataFolder + "/WarmBaryta8.quad";
        const QList<QStringList> calls{
            {"levels", input, "--start", "0.6", "--end", "0.5"},
            {"levels", input, "--start", "1.5", "--end", "1"},
            {"levels", input, "--start", "0", "--end", "nan"},
            {"levels", input, "--start", "0"},
            {"levels", "--start", "0", "--end", "1"},
            {"levels", input, "--start", "0", "--end", "1", "--zero"},
        };
        for (const QStringList& call : calls) {
            const CliRun run = runCli(call + QStringList{"--output", folder.filePath("out.quad")});
            QVERIFY2(run.exitCode == 2, qPrintable(call.join(' ')));
            QVERIFY(run.out.isEmpty());
            QVERIFY(!run.err.isEmpty());
        }
        QVERIFY(QDir(folder.path()).isEmpty());

        const CliRun help = runCli({"levels", "--help"});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains("--zero-first") && help.out.contains("--gutenprint"));
    }
};

QTEST_MAIN(LevelsCommandTest)
#include "LevelsCommandTest.moc"
