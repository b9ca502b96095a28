#include "Common/TextFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Common/LegacyText.h"
#include "Common/PendingFile.h"

namespace sg {
namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// Length of the valid UTF-8 sequence at the start of text, 0 if it is not valid.
std::size_t utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const auto continuation = [&](std::size_t i) {
        return i < text.size() && (byte(i) & 0xC0) == 0x80;
    };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return continuation(1) ? 2 : 0;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (!continuation(1) || !continuation(2)) {
            return 0;
        }
        const bool overlong = lead == 0xE0 && byte(1) < 0xA0;
        const bool surrogate = lead == 0xED && byte(1) >= 0xA0;
        return overlong || surrogate ? 0 : 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (!continuation(1) || !continuation(2) || !continuation(3)) {
            return 0;
        }
        const bool overlong = lead == 0xF0 && byte(1) < 0x90;
        const bool beyondUnicode = lead == 0xF4 && byte(1) >= 0x90;
        return overlong || beyondUnicode ? 0 : 4;
    }
    return 0;
}

// Plain ASCII, eight bytes at a time: most of a curve or measurement file.
std::size_t asciiPrefixLength(std::string_view text) {
    constexpr std::uint64_t highBits = 0x8080808080808080u;
    std::size_t length = 0;
    for (std::uint64_t word = 0; length + sizeof word <= text.size(); length += sizeof word) {
        std::memcpy(&word, text.data() + length, sizeof word);
        if ((word & highBits) != 0) {
            break;
        }
    }
    while (length < text.size() && static_cast<unsigned char>(text[length]) < 0x80) {
        ++length;
    }
    return length;
}

bool isValidUtf8(std::string_view text) {
    while (!text.empty()) {
        text.remove_prefix(asciiPrefixLength(text));
        if (text.empty()) {
            break;
        }
        const std::size_t length = utf8SequenceLength(text);
        if (length == 0) {
            return false;
        }
        text.remove_prefix(length);
    }
    return true;
}

Alert readFailure(std::string reason) {
    return Alert{"Failed to Read File", std::move(reason)};
}

Alert unreadable(int error) {
    return readFailure("The file could not be read: " + std::string(std::strerror(error)) + ".");
}

Alert tooLarge() {
    return readFailure("The file is larger than 64 MiB.");
}

Alert notRegular(const std::filesystem::path& path, mode_t mode) {
    std::string name = fileNameOf(path);
    if (name.empty()) {
        name = path.string();
    }
    const char* kind = S_ISDIR(mode)                    ? "a folder"
                       : S_ISFIFO(mode)                 ? "a named pipe"
                       : S_ISSOCK(mode)                 ? "a socket"
                       : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                                                        : "a special file";
    return readFailure("\"" + name + "\" is not a regular file but " + kind + ".");
}

// Closes the descriptor on every way out.
class OpenFile {
public:
    explicit OpenFile(int descriptor) : descriptor_(descriptor) {}
    ~OpenFile() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int descriptor() const { return descriptor_; }

private:
    int descriptor_;
};

// Reads to the end, whatever the file said its size was.
Result<std::string> readToEnd(int descriptor, std::size_t expectedSize) {
    constexpr std::size_t smallestBuffer = 4096;
    // One byte more than expected lets the end show without growing the buffer.
    std::string bytes(std::min(std::max(expectedSize + 1, smallestBuffer), maximumTextFileSize + 1),
                      '\0');
    std::size_t used = 0;
    while (true) {
        if (used == bytes.size()) {
            if (used > maximumTextFileSize) {
                return tooLarge();
            }
            bytes.resize(std::min(bytes.size() * 2, maximumTextFileSize + 1));
        }
        const ssize_t count = ::read(descriptor, bytes.data() + used, bytes.size() - used);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return unreadable(errno);
        }
        if (count == 0) {
            break;
        }
        used += static_cast<std::size_t>(count);
    }
    if (used > maximumTextFileSize) {
        return tooLarge();
    }
    bytes.resize(used);
    return bytes;
}

}  // namespace

Result<std::string> decodeText(std::string_view bytes) {
    if (bytes.find('\0') != std::string_view::npos) {
        return readFailure("The file holds a NUL byte, so it is not a text file.");
    }
    if (bytes.starts_with(byteOrderMark)) {
        bytes.remove_prefix(byteOrderMark.size());
    }
    if (isValidUtf8(bytes)) {
        return std::string(bytes);
    }
    return decodeLegacyText(bytes);
}

Result<std::string> readFileBytes(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return unreadable(errno);
    }
    // A named pipe nobody writes to would block the open and every read.
    if (!S_ISREG(status.st_mode)) {
        return notRegular(path, status.st_mode);
    }
    if (static_cast<std::uintmax_t>(status.st_size) > maximumTextFileSize) {
        return tooLarge();
    }
    const OpenFile file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.descriptor() < 0) {
        return unreadable(errno);
    }
    // Something else may have taken the path's place since it was looked at.
    if (::fstat(file.descriptor(), &status) != 0) {
        return unreadable(errno);
    }
    if (!S_ISREG(status.st_mode)) {
        return notRegular(path, status.st_mode);
    }
    return readToEnd(file.descriptor(), static_cast<std::size_t>(status.st_size));
}

Result<std::string> readTextFile(const std::filesystem::path& path) {
    Result<std::string> bytes = readFileBytes(path);
    if (!bytes) {
        return bytes;
    }
    std::string& text = bytes.value();
    if (text.find('\0') != std::string::npos || !isValidUtf8(text)) {
        return decodeText(text);
    }
    if (text.starts_with(byteOrderMark)) {
        text.erase(0, byteOrderMark.size());
    }
    return bytes;
}

Outcome saveTextFile(const std::filesystem::path& path, std::string_view text) {
    Result<PendingFile> pending = PendingFile::write(path, text);
    if (!pending) {
        return Outcome::refused(pending.refusal());
    }
    return pending.value().commit();
}

std::string fileNameOf(const std::filesystem::path& path) {
    return path.filename().string();
}

}  // namespace sg
