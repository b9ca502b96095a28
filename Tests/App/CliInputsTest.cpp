#include <QDir>
#include <QProcess>
#include <QTest>

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

    void bothCommandsReadTi3Files() {
        const QString measurements = data + "/measurements/wedge-6-steps.ti3";
        const CliRun series = runCli({"measurements", measurements});
        QCOMPARE(series.exitCode, 0);
        QVERIFY(series.out.startsWith("CGATS\n88.4"));
        const QString output = folder.filePath("linearized.quad");
        const CliRun linearized =
            runCli({"linearize", "--measurements", measurements, "--quad", curve, "-o", output});
        QCOMPARE(linearized.exitCode, 0);
        QVERIFY(sg::QuadFile::load(output.toStdString()).ok());
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
