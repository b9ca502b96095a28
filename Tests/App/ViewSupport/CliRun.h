#pragma once

#include <QByteArray>
#include <QStringList>

namespace sg::testing {

// What one run of silvergrain-cli gave back. An exit code of -1 means it did not finish
// normally within 30 seconds.
struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the command-line front end built with the tests.
CliRun runCli(const QStringList& arguments);

}  // namespace sg::testing
