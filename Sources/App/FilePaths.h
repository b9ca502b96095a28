#pragma once

#include <filesystem>
#include <initializer_list>

#include <QLatin1StringView>
#include <QString>

namespace sg {

// A path from a dialog or a drop, as the core takes it: in the file system's own encoding.
std::filesystem::path toFilesystemPath(const QString& path);

// Whether the file's extension is one of `suffixes` (given without the dot), in any case.
bool hasSuffix(const QString& path, std::initializer_list<QLatin1StringView> suffixes);

}  // namespace sg
