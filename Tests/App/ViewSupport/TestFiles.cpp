#include "ViewSupport/TestFiles.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace sg::testing {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString examplePath(const QString& name) {
    return QStringLiteral(SILVERGRAIN_EXAMPLES_DIR "/") + name;
}

QString testDataPath(const QString& relativePath) {
    return QStringLiteral(SILVERGRAIN_TEST_DATA_DIR "/") + relativePath;
}

TemporarySettings::TemporarySettings() {
    QStandardPaths::setTestModeEnabled(true);
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, folder_.path());
    }
    clear();
}

void TemporarySettings::clear() {
    QSettings(QSettings::UserScope, QStringLiteral("Halidewerk"), QStringLiteral("Silvergrain"))
        .clear();
}

}  // namespace sg::testing
