#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "Common/Outcome.h"
#include "Common/Result.h"

namespace sg {

// Outside files larger than this are refused: no curve or measurement file comes near it.
inline constexpr std::size_t maximumTextFileSize = 64u * 1024u * 1024u;

// Decodes file bytes to UTF-8 text: a leading byte-order mark is dropped, and bytes that are
// not valid UTF-8 are read as Windows-1252 or Mac OS Roman, whichever gives the more plausible
// text (decodeLegacyText). Bytes holding a NUL are not text: "Failed to Read File", with a text
// naming the problem.
Result<std::string> decodeText(std::string_view bytes);

// Reads a whole file as bytes. Only regular files are read: a folder, a named pipe, a device
// or a socket is refused before it is opened, as is a file larger than 64 MiB. The file is
// read to its end as a stream, so files whose size the system does not know read in full.
// Refusals are "Failed to Read File" with the reason.
Result<std::string> readFileBytes(const std::filesystem::path& path);

// readFileBytes followed by decodeText, decoding in place where the bytes are UTF-8 already.
Result<std::string> readTextFile(const std::filesystem::path& path);

// Writes the whole text beside the target and puts it in the target's place (PendingFile), so
// the target is never left half-written. Refused with "Failed to Save" and the reason.
Outcome saveTextFile(const std::filesystem::path& path, std::string_view text);

// The last path component, as the tools show it.
std::string fileNameOf(const std::filesystem::path& path);

}  // namespace sg
