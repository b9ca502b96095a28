#pragma once

#include <optional>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace sg::testing {

// The whole file, or nothing when it cannot be read.
QByteArray bytesOf(const QString& path);

// A file of examples/ or of Tests/Data.
QString examplePath(const QString& name);
QString testDataPath(const QString& relativePath);

// A temporary folder made anew for each test function: reset() from init(); the last one is
// removed with the test object.
class TestFolder {
public:
    bool reset() {
        folder_.reset();
        folder_.emplace();
        return folder_->isValid();
    }
    QString path() const { return folder_->path(); }
    QString filePath(const QString& name) const { return folder_->filePath(name); }

private:
    std::optional<QTemporaryDir> folder_;
};

// What the application remembers (QSettings) kept in a temporary folder while this lives, so
// that tests never read or write the user's settings. clear() forgets everything.
class TemporarySettings {
public:
    TemporarySettings();
    void clear();

private:
    QTemporaryDir folder_;
};

}  // namespace sg::testing
