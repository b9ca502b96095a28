#include "ViewSupport/CliComparison.h"

#include <QDir>
#include <QTemporaryDir>

#include "Support/GoldenFile.h"
#include "ViewSupport/CliRun.h"
#include "ViewSupport/TestFiles.h"

namespace sg::testing {

namespace {

QString compareRow(const ComparisonRow& row, const QString& workFolder) {
    const QDir work(workFolder);
    const QString paper = QStringLiteral("Baryta 300");
    const QString viewXml = row.gutenprint ? work.filePath("view/" + paper) : QString();
    const QString cliXml = row.gutenprint ? work.filePath("cli/" + paper) : QString();
    if (row.gutenprint && !(QDir().mkpath(viewXml) && QDir().mkpath(cliXml))) {
        return QStringLiteral("cannot make the export folders");
    }
    if (!row.saveWithView(work.filePath("view.quad"), viewXml)) {
        return QStringLiteral("the view did not save without a word");
    }
    const QByteArray viewBytes = bytesOf(work.filePath("view.quad"));
    const ::testing::AssertionResult golden =
        matchesGoldenFile(viewBytes.toStdString(), row.golden.toStdString());
    if (!golden) {
        return QString::fromStdString(golden.message());
    }

    QStringList arguments = row.cliArguments;
    const CliRun toStdout = runCli(arguments);
    if (toStdout.exitCode != 0 || toStdout.out != viewBytes) {
        return QStringLiteral("the CLI's standard output differs (exit %1): %2")
            .arg(toStdout.exitCode)
            .arg(QString::fromUtf8(toStdout.err));
    }
    if (row.gutenprint) {
        arguments << QStringLiteral("--gutenprint") << cliXml;
    }
    arguments << QStringLiteral("--output") << work.filePath("cli.quad");
    const CliRun toFile = runCli(arguments);
    if (toFile.exitCode != 0 || !toFile.out.isEmpty() ||
        bytesOf(work.filePath("cli.quad")) != viewBytes) {
        return QStringLiteral("the CLI's --output file differs");
    }
    if (row.gutenprint) {
        const QStringList files = QDir(viewXml).entryList(QDir::Files);
        if (files.isEmpty() || QDir(cliXml).entryList(QDir::Files) != files) {
            return QStringLiteral("the Gutenprint files differ: %1").arg(files.join(", "));
        }
        for (const QString& name : files) {
            if (bytesOf(cliXml + '/' + name) != bytesOf(viewXml + '/' + name)) {
                return QStringLiteral("the Gutenprint file %1 differs").arg(name);
            }
        }
    }
    return {};
}

}  // namespace

QString compareCliWithView(const std::vector<ComparisonRow>& rows) {
    QString differences;
    for (const ComparisonRow& row : rows) {
        const QTemporaryDir work;
        const QString difference = compareRow(row, work.path());
        if (!difference.isEmpty()) {
            differences += row.golden + ": " + difference + "\n";
        }
    }
    return differences;
}

}  // namespace sg::testing
