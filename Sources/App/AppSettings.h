#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>

#include "App/FilePaths.h"

namespace sg {

// What the application remembers between runs, in the user's QSettings for Halidewerk /
// Silvergrain: the last folder of each kind of file, the recent files, the window's geometry
// and the tool shown last. Tests move it with QSettings::setPath.
class AppSettings {
public:
    static constexpr int recentFileLimit = 8;

    AppSettings();

    // Empty when none was used yet.
    QString lastFolder(FileKind kind) const;
    void rememberFolder(FileKind kind, const QString& folder);

    // The files opened last, newest first, at most recentFileLimit; files that no longer exist
    // are dropped from the list as it is read.
    QStringList recentFiles();
    void addRecentFile(const QString& path);
    void clearRecentFiles();

    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray& geometry);
    QString lastTool() const;
    void setLastTool(const QString& title);

private:
    QSettings settings_;
};

}  // namespace sg
