#include <QDir>
#include <QProcess>
#include <QTest>

#include <sys/stat.h>

#include "QuadFiles/QuadFile.h"
#include "ViewSupport/CliRun.h"
#include "ViewSupport/TestFiles.h"

using sg::testing::CliRun;
using sg::testing::runCli;
using sg::testing::TestFolder;

namespace {

const QString data = QStringLiteral(SILVERGRAIN_TEST_DATA_DIR);
const QString curve = data + "/linearization/curve4.quad";

}  // namespace

// What the command line makes of awkward input: the readers' own rules are tested in the core
// tests; these check that the commands pass them on.
class CliInputsTest : public QObject {
    Q_OBJECT

private:
    TestFolder folder;

private slots:
    void init() { QVERIFY(folder.reset()); }

    void optionValuesThatAreNotNumbersAreUsageErrors() {
        const QList<QStringList> options{
            {"--spline", "nan"}, {"--spline", "inf"}, {"--spline", "1e999"}, {"--spline", "0x1"},
            {"--window", "nan"}, {"--window", "2.5"}, {"--shadow", "nan:0"}};
        for (const QStringList& option : options) {
            const CliRun run = runCli(
                QStringList{"linearize", "--measurements", data + "/measurements/wedge-6-steps.ti3",
                            "--quad", curve, "--output", folder.filePath("out.quad")} +
                option);
            QVERIFY2(run.exitCode == 2, qPrintable(option.join(' ')));
            QVERIFY(!run.err.isEmpty());
        }
        QVERIFY(QDir(folder.path()).isEmpty());
    }

    void bothCommandsReadCgatsAsInstrumentsWriteIt() {
        for (const char* name :
             {"cgats-blank-separated-quoted.txt", "cgats-xyz-only.txt", "wedge-6-steps.ti3"}) {
            const QString measurements = data + "/measurements/" + name;
            const CliRun series = runCli({"measurements", measurements});
            QCOMPARE(series.exitCode, 0);
            QVERIFY(series.out.startsWith("CGATS\n"));

            const QString output = folder.filePath(QString(name) + ".quad");
            const CliRun linearized = runCli(
                {"linearize", "--measurements", measurements, "--quad", curve, "-o", output});
            QCOMPARE(linearized.exitCode, 0);
            QVERIFY(sg::QuadFile::load(output.toStdString()).ok());
        }
    }

    // A named pipe nobody writes to would hang the command.
    void onlyRegularFilesAreRead() {
        const QString pipe = folder.filePath("wedge.txt");
        QCOMPARE(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
        const std::pair<QString, QByteArray> rows[] = {
            {pipe, "\"wedge.txt\" is not a regular file but a named pipe."},
            {folder.path(), "is not a regular file but a folder."},
            {folder.filePath("missing.txt"), "No such file or directory."}};
        for (const auto& [path, reason] : rows) {
            const CliRun run = runCli({"measurements", path});
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.err.trimmed().endsWith(reason), run.err.constData());
            QVERIFY(!run.err.contains("measurement data format"));
        }
    }

    void aFailedWriteToTheStandardOutputSaysWhy() {
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(SILVERGRAIN_CLI_PATH),
                      {"measurements", data + "/measurements/wedge-6-steps.ti3"});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(process.readAllStandardError(),
                 QByteArray("Failed to Write Output: The standard output could not be written: No "
                            "space left on device.\n"));
    }
};

QTEST_MAIN(CliInputsTest)
#include "CliInputsTest.moc"
