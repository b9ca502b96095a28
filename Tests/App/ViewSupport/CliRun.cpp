#include "ViewSupport/CliRun.h"

#include <QProcess>

namespace sg::testing {

CliRun runCli(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(SILVERGRAIN_CLI_PATH), arguments);
    CliRun run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) {
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

}  // namespace sg::testing
