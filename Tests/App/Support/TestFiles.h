#pragma once

#include <QByteArray>
#include <QString>

namespace sg::testing {

// The whole file, or nothing when it cannot be read.
QByteArray bytesOf(const QString& path);

}  // namespace sg::testing
