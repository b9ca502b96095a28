#include "App/AppSettings.h"

#include <QFileInfo>

namespace sg {
namespace {

QString folderKey(FileKind kind) {
    switch (kind) {
        case FileKind::curve:
            return QStringLiteral("folders/curves");
        case FileKind::measurements:
            return QStringLiteral("folders/measurements");
        case FileKind::image:
            return QStringLiteral("folders/images");
        case FileKind::gutenprintFolder:
            break;
    }
    return QStringLiteral("folders/gutenprint");
}

const QString recentFilesKey = QStringLiteral("recentFiles");

}  // namespace

AppSettings::AppSettings()
    : settings_(QSettings::UserScope, QStringLiteral("Halidewerk"), QStringLiteral("Silvergrain")) {
}

QString AppSettings::lastFolder(FileKind kind) const {
    return settings_.value(folderKey(kind)).toString();
}

void AppSettings::rememberFolder(FileKind kind, const QString& folder) {
    settings_.setValue(folderKey(kind), folder);
}

QStringList AppSettings::recentFiles() {
    const QStringList stored = settings_.value(recentFilesKey).toStringList();
    QStringList existing;
    for (const QString& path : stored) {
        if (QFileInfo(path).isFile() && existing.size() < recentFileLimit) {
            existing << path;
        }
    }
    if (existing != stored) {
        settings_.setValue(recentFilesKey, existing);
    }
    return existing;
}

void AppSettings::addRecentFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = recentFiles();
    files.removeAll(absolute);
    files.prepend(absolute);
    settings_.setValue(recentFilesKey, files.mid(0, recentFileLimit));
}

void AppSettings::clearRecentFiles() {
    settings_.remove(recentFilesKey);
}

QByteArray AppSettings::windowGeometry() const {
    return settings_.value(QStringLiteral("window/geometry")).toByteArray();
}

void AppSettings::setWindowGeometry(const QByteArray& geometry) {
    settings_.setValue(QStringLiteral("window/geometry"), geometry);
}

QString AppSettings::lastTool() const {
    return settings_.value(QStringLiteral("window/tool")).toString();
}

void AppSettings::setLastTool(const QString& title) {
    settings_.setValue(QStringLiteral("window/tool"), title);
}

}  // namespace sg
