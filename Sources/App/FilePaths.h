#pragma once

#include <filesystem>

#include <QString>
#include <QStringList>

namespace sg {

// What a file dialog chooses. The kind decides the dialog's filters, the suffix a save adds and
// the folder the dialog starts in (the one last used for that kind).
enum class FileKind {
    curve,             // .quad
    measurements,      // .txt, .csv, .ti3
    image,             // .png
    gutenprintFolder,  // a folder for one Gutenprint XML file per channel
};

// The kind's suffixes, lower case and without the dot; the first is the one a save adds.
// Empty for folders.
QStringList fileSuffixes(FileKind kind);

// A dialog's filters: the kind's own ("Curve files (*.quad)") and "All files (*)".
QStringList fileDialogFilters(FileKind kind);

// Whether the path ends in one of the kind's suffixes, in any case.
bool isFileOfKind(const QString& path, FileKind kind);

// The path a save writes: unchanged when it already ends in the kind's first suffix, else with
// it added ("print.txt" becomes "print.txt.quad").
QString withSaveSuffix(const QString& path, FileKind kind);

// The name a save dialog offers next to the file a result came from:
// "<folder>/<base>-<tag>.<suffix>"
// ("/prints/Baryta.quad", "linearized" gives "/prints/Baryta-linearized.quad"). Without a source
// it is "<tag>.<suffix>", in no folder.
QString suggestedSavePath(const QString& source, const QString& tag, FileKind kind);

// A folder as a status message names it: its last component and a slash ("Baryta 300/").
QString folderDisplayName(const QString& folder);

// A path from a dialog, a drop or the command line as the core takes it: in the file system's
// own encoding.
std::filesystem::path toFilesystemPath(const QString& path);

}  // namespace sg
