#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "Common/Outcome.h"
#include "Common/Result.h"

namespace sg {

// Outside files larger than this are refused: no curve or measurement file comes near it.
inline constexpr std::size_t maximumTextFileSize = 64u * 1024u * 1024u;

// Decodes file bytes to UTF-8 text: a leading byte-order mark is dropped, and bytes that are
// not valid UTF-8 are read as Windows-1252 (older curve makers wrote Latin-1 comment bytes).
// Bytes holding a NUL are not text: "Failed to Read File", with a text naming the problem.
Result<std::string> decodeText(std::string_view bytes);

// Reads a whole file as bytes; refused with "Failed to Read File" and the system's reason.
Result<std::string> readFileBytes(const std::filesystem::path& path);

// readFileBytes followed by decodeText.
Result<std::string> readTextFile(const std::filesystem::path& path);

// Writes the whole text to a temporary file beside the target and renames it over the target,
// so the target is never left half-written. Refused with "Failed to Save" and the reason.
Outcome saveTextFile(const std::filesystem::path& path, std::string_view text);

// The last path component, as the tools show it.
std::string fileNameOf(const std::filesystem::path& path);

}  // namespace sg
