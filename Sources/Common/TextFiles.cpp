#include "Common/TextFiles.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

bool isValidUtf8(std::string_view text) {
    while (!text.empty()) {
        const std::size_t length = utf8SequenceLength(text);
        if (length == 0) {
            return false;
        }
        text.remove_prefix(length);
    }
    return true;
}

void appendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// Windows-1252 bytes 0x80..0x9F; the five unassigned ones keep their own code point.
constexpr std::array<char32_t, 32> windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string decodeWindows1252(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F) {
            appendUtf8(text, windows1252High[byte - 0x80]);
        } else {
            appendUtf8(text, byte);
        }
    }
    return text;
}

std::string systemReason(int error) {
    return std::strerror(error);
}

Alert readFailure(std::string reason) {
    return Alert{"Failed to Read File", std::move(reason)};
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
    return decodeWindows1252(bytes);
}

Result<std::string> readFileBytes(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return readFailure("The file could not be read: it is a folder.");
    }
    std::ifstream stream(path, std::ios::binary);
    if (!stream) {
        return readFailure("The file could not be read: " + systemReason(errno) + ".");
    }
    stream.seekg(0, std::ios::end);
    const std::streamoff size = stream.tellg();
    if (size < 0) {
        return readFailure("The file could not be read.");
    }
    if (static_cast<std::uintmax_t>(size) > maximumTextFileSize) {
        return readFailure("The file is larger than 64 MiB.");
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    stream.seekg(0, std::ios::beg);
    if (!stream.read(bytes.data(), size)) {
        return readFailure("The file could not be read: " + systemReason(errno) + ".");
    }
    return bytes;
}

Result<std::string> readTextFile(const std::filesystem::path& path) {
    auto bytes = readFileBytes(path);
    if (!bytes) {
        return bytes;
    }
    return decodeText(bytes.value());
}

namespace {

// Writes through a temporary file beside the target; the reason when it fails.
std::optional<std::string> writeFileAtomically(const std::filesystem::path& path,
                                               std::string_view text) {
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::string temporary = (folder / ("." + fileNameOf(path) + ".XXXXXX")).string();
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) {
        return systemReason(errno);
    }
    const auto fail = [&](int error) {
        ::close(descriptor);
        ::unlink(temporary.c_str());
        return std::optional<std::string>(systemReason(error));
    };
    std::string_view remaining = text;
    while (!remaining.empty()) {
        const ssize_t written = ::write(descriptor, remaining.data(), remaining.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail(errno);
        }
        remaining.remove_prefix(static_cast<std::size_t>(written));
    }
    // mkstemp creates the file readable by its owner only; a saved curve is an ordinary file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(descriptor, 0666 & ~mask) != 0 || ::fsync(descriptor) != 0) {
        return fail(errno);
    }
    if (::close(descriptor) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return systemReason(error);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return systemReason(error);
    }
    return std::nullopt;
}

}  // namespace

Outcome saveTextFile(const std::filesystem::path& path, std::string_view text) {
    if (auto reason = writeFileAtomically(path, text)) {
        return Outcome::refused(
            Alert{"Failed to Save",
                  "\"" + fileNameOf(path) + "\" could not be written: " + *reason + "."});
    }
    return {};
}

std::string fileNameOf(const std::filesystem::path& path) {
    return path.filename().string();
}

}  // namespace sg
