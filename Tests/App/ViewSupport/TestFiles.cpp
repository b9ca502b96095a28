#include "ViewSupport/TestFiles.h"

#include <QFile>

namespace sg::testing {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace sg::testing
