#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "Common/Result.h"
#include "QuadFiles/QuadCurve.h"

namespace sg {

// A loaded .quad curve file: its header block, notes, channel labels and values, and the
// writer that puts a tool's result back under the same header.
//
// Only complete files load: a recognised header line, then per channel one label and 256
// numbers, or the merged layout of older tools, whose channels have comment lines of their own
// instead of labels. Anything else is refused with the "Failed to Load Quad File" alert, whose
// text names the problem and its line; the caller keeps whatever file it had.
class QuadFile {
public:
    static constexpr std::string_view loadFailureTitle = "Failed to Load Quad File";

    // Reads and parses the file at `path`; the file name is its last path component.
    static Result<QuadFile> load(const std::filesystem::path& path);

    // Parses file bytes as read from disk (decodeText; CR dropped anywhere; a DOS end-of-file
    // byte at the end dropped).
    static Result<QuadFile> fromBytes(std::string fileName, std::string_view bytes);

    const std::string& fileName() const { return fileName_; }
    // The header line, then the comment lines before the first channel label, as read; in the
    // merged layout also each channel's own comment lines, in file order.
    const std::vector<std::string>& headerBlock() const { return headerBlock_; }
    // The comment lines joined by "\n", with every "# " removed.
    const std::string& notes() const { return notes_; }
    // Each channel's label line exactly as read, in file order; in the merged layout the label
    // of the header line's channel ("# K Curve").
    const std::vector<std::string>& labels() const { return labels_; }
    // One array of 256 values per channel, as read: no rounding, no clamping.
    const QuadCurve& curve() const { return curve_; }
    std::size_t channelCount() const { return labels_.size(); }

    // The notes become these; a tool sets them after it has saved them.
    void setNotes(std::string notes) { notes_ = std::move(notes); }

    // The text of a .quad file holding `curve` under this file's header line, notes and
    // labels: lines joined by "\n", no final line feed. The notes get "# Halidewerk
    // Silvergrain v2" as their first line unless they begin with "# Halidewerk". The text
    // loads again: notes past 51 comment lines join the 51st, and a note line that would read
    // as the first label gets a second blank ("#  K Curve").
    std::string textWith(const QuadCurve& curve) const;
    // The same with other notes in place of the file's own.
    std::string textWith(const QuadCurve& curve, std::string_view notes) const;

    // The notes as comment lines: "# " before every line.
    static std::string notesAsComments(std::string_view notes);

    // Comment lines as a written file must carry them to load again: the reader takes at most
    // 51 and stops at the first channel label, so lines past the 51st are joined into it, and
    // a line that reads as a first label ("# K Curve") gets a second blank.
    static std::vector<std::string> readableComments(std::vector<std::string> comments);

private:
    friend class QuadLineParser;

    static Result<QuadFile> fromText(std::string fileName, std::string text);

    std::string fileName_;
    std::vector<std::string> headerBlock_;
    std::string notes_;
    std::vector<std::string> labels_;
    QuadCurve curve_;
};

}  // namespace sg
