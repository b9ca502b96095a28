#include "App/FilePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace sg {

QStringList fileSuffixes(FileKind kind) {
    switch (kind) {
        case FileKind::curve:
            return {QStringLiteral("quad")};
        case FileKind::measurements:
            return {QStringLiteral("txt"), QStringLiteral("csv"), QStringLiteral("ti3")};
        case FileKind::image:
            return {QStringLiteral("png")};
        case FileKind::gutenprintFolder:
            break;
    }
    return {};
}

QStringList fileDialogFilters(FileKind kind) {
    QStringList patterns;
    for (const QString& suffix : fileSuffixes(kind)) {
        patterns << QStringLiteral("*.") + suffix;
    }
    const QString allFiles = QStringLiteral("All files (*)");
    switch (kind) {
        case FileKind::curve:
            return {QStringLiteral("Curve files (%1)").arg(patterns.join(' ')), allFiles};
        case FileKind::measurements:
            return {QStringLiteral("Measurement files (%1)").arg(patterns.join(' ')), allFiles};
        case FileKind::image:
            return {QStringLiteral("PNG images (%1)").arg(patterns.join(' ')), allFiles};
        case FileKind::gutenprintFolder:
            break;
    }
    return {};
}

bool isFileOfKind(const QString& path, FileKind kind) {
    return fileSuffixes(kind).contains(QFileInfo(path).suffix(), Qt::CaseInsensitive);
}

QString withSaveSuffix(const QString& path, FileKind kind) {
    const QStringList suffixes = fileSuffixes(kind);
    if (suffixes.isEmpty() || path.isEmpty() ||
        QFileInfo(path).suffix().compare(suffixes.first(), Qt::CaseInsensitive) == 0) {
        return path;
    }
    // "print." gets no second dot.
    return (path.endsWith('.') ? path : path + '.') + suffixes.first();
}

QString suggestedSavePath(const QString& source, const QString& tag, FileKind kind) {
    const QString suffix = fileSuffixes(kind).value(0);
    if (source.isEmpty()) {
        return tag + '.' + suffix;
    }
    const QFileInfo info(source);
    return info.dir().filePath(info.completeBaseName() + '-' + tag + '.' + suffix);
}

QString folderDisplayName(const QString& folder) {
    return QFileInfo(QDir::cleanPath(folder)).fileName() + '/';
}

std::filesystem::path toFilesystemPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace sg
