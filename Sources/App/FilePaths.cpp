#include "App/FilePaths.h"

#include <algorithm>

#include <QFile>
#include <QFileInfo>

namespace sg {

std::filesystem::path toFilesystemPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

bool hasSuffix(const QString& path, std::initializer_list<QLatin1StringView> suffixes) {
    const QString suffix = QFileInfo(path).suffix();
    return std::any_of(suffixes.begin(), suffixes.end(), [&](QLatin1StringView wanted) {
        return suffix.compare(wanted, Qt::CaseInsensitive) == 0;
    });
}

}  // namespace sg
