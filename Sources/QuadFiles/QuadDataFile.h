#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Common/Result.h"
#include "QuadFiles/QuadCurve.h"

namespace sg {

// A loaded .quad curve file: its lines, header block, notes, channel labels and values, and
// the writer that puts a tool's result back under the same header.
//
// Only complete files load: a recognised header line, then per channel one label and 256
// numbers. Anything else is refused with the "Failed to Load Quad File" alert, whose text
// names the problem and its line; the caller keeps whatever object it had.
class QuadDataFile {
public:
    static inline constexpr std::string_view loadFailureTitle = "Failed to Load Quad File";

    // Reads and parses the file at `path`; quadCurveFileName is its last path component.
    static Result<QuadDataFile> load(const std::filesystem::path& path);

    // Parses file bytes as read from disk (UTF-8, else Windows-1252; CR dropped anywhere; a
    // DOS end-of-file byte at the end dropped).
    static Result<QuadDataFile> fromBytes(std::string fileName, std::string_view bytes);

    // Whether the first line is one of the seven QuadToneRIP header lines.
    bool checkIfQuad() const;
    // The channel count that the first line names; 0 when it is not recognised.
    int numberOfInks() const;

    // The notes as comment lines for a written file; "# Halidewerk Silvergrain v2" when no
    // notes were ever set.
    std::string addProcessNotesToFinalQuadHeader() const;

    // The text of a .quad file holding `quad` under this file's header line, notes and
    // labels: lines joined by "\n", no final line feed. Nothing when no file was loaded.
    // The text of a loaded file loads again: notes past 51 comment lines join the 51st,
    // and a note line that would read as the first label gets a second blank ("#  K Curve").
    std::optional<std::string> quadFileText(const QuadCurve& quad) const;

    std::optional<std::string> quadCurveFileName;
    std::vector<std::string> rawQuadData;  // every line, carriage returns removed
    std::vector<std::string> quadHeaders;  // the channel labels as the tools show them
    // The comment lines between the header line and the first label, joined by "\n", with
    // every "# " removed. The linearization tool replaces it before saving.
    std::optional<std::string> processNotes;
    QuadCurve inputQuadCurveArray;  // numInks channels of 256 values, as read
    int numInks = 0;
    std::vector<std::string> inkList;      // each channel's label line exactly as read
    std::vector<std::string> printerInfo;  // header line, then the comment lines before the
                                           // first label
};

}  // namespace sg
