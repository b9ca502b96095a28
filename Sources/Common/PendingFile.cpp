#include "Common/PendingFile.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <system_error>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

#include "Common/TextFiles.h"

namespace sg {
namespace {

// The system's own limit on links followed in one path.
constexpr int mostLinksFollowed = 40;

// The file a save replaces: the path itself, or what a symbolic link there points to, link after
// link. None when the links go round in a circle.
std::optional<std::filesystem::path> replacedFile(const std::filesystem::path& path) {
    std::filesystem::path file = path;
    for (int followed = 0; followed < mostLinksFollowed; ++followed) {
        std::error_code error;
        if (!std::filesystem::is_symlink(file, error)) {
            return file;
        }
        const std::filesystem::path link = std::filesystem::read_symlink(file, error);
        if (error) {
            return file;
        }
        file = link.is_absolute() ? link : file.parent_path() / link;
    }
    return std::nullopt;
}

mode_t ordinaryPermissions() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int descriptor, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(descriptor, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

Alert saveFailure(std::string_view fileName, std::string_view reason) {
    return Alert{"Failed to Save", "\"" + std::string(fileName) +
                                       "\" could not be written: " + std::string(reason) + "."};
}

Result<PendingFile> PendingFile::write(const std::filesystem::path& path, std::string_view text) {
    const std::string name = fileNameOf(path);
    const std::optional<std::filesystem::path> target = replacedFile(path);
    if (!target) {
        return saveFailure(name, std::strerror(ELOOP));
    }
    struct stat replaced {};
    const bool replacing = ::stat(target->c_str(), &replaced) == 0;
    if (replacing && S_ISDIR(replaced.st_mode)) {
        return saveFailure(name, std::strerror(EISDIR));
    }
    const std::filesystem::path folder =
        target->has_parent_path() ? target->parent_path() : std::filesystem::path(".");
    std::string temporary = (folder / ("." + fileNameOf(*target) + ".XXXXXX")).string();
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) {
        return saveFailure(name, std::strerror(errno));
    }
    // mkstemp makes the file readable by its owner only.
    const mode_t permissions = replacing ? (replaced.st_mode & 07777) : ordinaryPermissions();
    int error = 0;
    if (!writeAll(descriptor, text) || ::fchmod(descriptor, permissions) != 0 ||
        ::fsync(descriptor) != 0) {
        error = errno;
    }
    if (::close(descriptor) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return saveFailure(name, std::strerror(error));
    }
    return PendingFile(name, *target, std::move(temporary));
}

PendingFile::PendingFile(PendingFile&& other) noexcept
    : name_(std::move(other.name_)),
      target_(std::move(other.target_)),
      temporary_(std::exchange(other.temporary_, {})) {}

PendingFile::~PendingFile() {
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
    }
}

Outcome PendingFile::commit() {
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const int error = errno;
        return Outcome::refused(saveFailure(name_, std::strerror(error)));
    }
    temporary_.clear();
    return {};
}

}  // namespace sg
