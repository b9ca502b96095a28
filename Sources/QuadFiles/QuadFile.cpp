#include "QuadFiles/QuadFile.h"

#include <algorithm>
#include <array>

#include "Common/InkScale.h"
#include "Common/Numbers.h"
#include "Common/Strings.h"
#include "Common/TextFiles.h"
#include "QuadFiles/InkChannelSet.h"
#include "QuadFiles/QuadChannelBlock.h"

namespace sg {
namespace {

// Comment lines searched for the first label; the line after them is the label, whatever it says.
constexpr std::size_t maximumHeaderCommentLines = 51;
constexpr std::string_view toolNotesLine = "# Halidewerk Silvergrain v2";
constexpr std::string_view exampleHeaderLine = "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK";
constexpr char endOfFileMarker = '\x1A';

bool isFirstChannelLabel(std::string_view line) {
    static constexpr std::array<std::string_view, 6> labels = {
        "# K Curve", "# K curve", "# K CURVE", "# MK Curve", "# MK curve", "# MK CURVE"};
    return std::find(labels.begin(), labels.end(), line) != labels.end();
}

// "# LC Curve", "# k curve": a label line, which a short channel runs into.
bool looksLikeLabel(std::string_view line) {
    if (!line.starts_with("# ") || line.size() < 7) {
        return false;
    }
    std::string ending(line.substr(line.size() - 6));
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return ending == " curve";
}

// A line of the file as an alert quotes it: long lines shortened.
std::string quotedLine(std::string_view line) {
    constexpr std::size_t longest = 40;
    if (line.size() <= longest) {
        return "\"" + std::string(line) + "\"";
    }
    // Cut before a UTF-8 continuation byte would split a character.
    std::size_t cut = longest;
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return "\"" + std::string(line.substr(0, cut)) + "...\"";
}

// A DOS end-of-file byte after the last value, possibly followed by line ends.
void dropEndOfFileMarker(std::string& text) {
    const std::size_t last = text.find_last_not_of("\r\n");
    if (last != std::string::npos && text[last] == endOfFileMarker) {
        text.erase(last, 1);
    }
}

// Notes as the writer sets them out must read back as notes: the reader takes at most 51
// comment lines and stops at the first channel label. Lines past the 51st are appended to it,
// and a note that reads as a first label ("K Curve" in a notes field) gets a second blank.
void keepReadableAsNotes(std::vector<std::string>& notes) {
    if (notes.size() > maximumHeaderCommentLines) {
        std::string& last = notes[maximumHeaderCommentLines - 1];
        for (std::size_t i = maximumHeaderCommentLines; i < notes.size(); ++i) {
            last += " " + notes[i].substr(std::min<std::size_t>(2, notes[i].size()));
        }
        notes.resize(maximumHeaderCommentLines);
    }
    for (std::string& line : notes) {
        if (isFirstChannelLabel(line)) {
            line.insert(1, " ");
        }
    }
}

}  // namespace

// Reads the lines of a recognised file into a new object, or names the first problem.
class QuadLineParser {
public:
    QuadLineParser(const std::vector<std::string>& lines, int channelCount)
        : lines_(lines), channelCount_(static_cast<std::size_t>(channelCount)) {
        const auto lastText = std::find_if(lines.rbegin(), lines.rend(),
                                           [](const std::string& line) { return !line.empty(); });
        endLine_ = static_cast<std::size_t>(lines.rend() - lastText);
    }

    // Fills the parsed fields of `file`, or returns the refusal.
    std::optional<Alert> parseInto(QuadFile& file) {
        if (auto problem = readHeaderBlock(file)) {
            return problem;
        }
        for (std::size_t channel = 0; channel < channelCount_; ++channel) {
            if (auto problem = readInkChannel(file, channel)) {
                return problem;
            }
        }
        return std::nullopt;
    }

private:
    // A refusal about the line at `index` (counted from 0).
    static Alert problemAt(std::size_t index, std::string text) {
        return Alert{std::string(QuadFile::loadFailureTitle),
                     "Line " + std::to_string(index + 1) + std::move(text), index + 1};
    }

    // Nothing but empty lines from `next_` on: the file has ended.
    bool atEnd() const { return next_ >= endLine_; }

    Alert ended(std::string_view before) const {
        return Alert{std::string(QuadFile::loadFailureTitle),
                     "The file ends at line " + std::to_string(endLine_) + ", before " +
                         std::string(before) + ".",
                     endLine_};
    }

    static std::string channelName(std::size_t channel, std::string_view label) {
        return "channel " + std::to_string(channel + 1) + " (" + quotedLine(label) + ")";
    }

    std::optional<Alert> readHeaderBlock(QuadFile& file) {
        file.headerBlock_ = {lines_[0]};
        next_ = 1;
        for (std::size_t taken = 0; taken < maximumHeaderCommentLines && next_ < lines_.size();
             ++taken) {
            const std::string& line = lines_[next_];
            if (isFirstChannelLabel(line)) {
                break;
            }
            // Older merge files have no labels: their values would vanish into the notes.
            if (parseDecimal(line)) {
                return problemAt(next_, " holds the value " + quotedLine(line) +
                                            " before any channel label; each channel must begin "
                                            "with a label line such as \"# K Curve\".");
            }
            file.headerBlock_.push_back(line);
            ++next_;
        }
        const std::vector<std::string> comments(file.headerBlock_.begin() + 1,
                                                file.headerBlock_.end());
        file.notes_ = replaceAll(joinStrings(comments, "\n"), "# ", "");
        return std::nullopt;
    }

    std::optional<Alert> readInkChannel(QuadFile& file, std::size_t channel) {
        if (atEnd()) {
            return ended(channel == 0 ? std::string("the first channel label")
                                      : "the label of channel " + std::to_string(channel + 1));
        }
        const std::string& label = lines_[next_];
        if (parseDecimal(label)) {
            std::string text = " holds the value " + quotedLine(label) +
                               " where the label of channel " + std::to_string(channel + 1) +
                               " should be";
            if (channel > 0) {
                text += "; " + channelName(channel - 1, file.labels_.back()) +
                        " has more than 256 values";
            }
            return problemAt(next_, text + ".");
        }
        ++next_;

        std::vector<double> values;
        values.reserve(levelCount);
        for (std::size_t level = 0; level < levelCount; ++level, ++next_) {
            if (atEnd()) {
                return ended("the 256th value of " + channelName(channel, label));
            }
            const std::string& line = lines_[next_];
            const std::optional<double> value = parseDecimal(line);
            if (!value) {
                return notANumber(line, level, channel, label);
            }
            values.push_back(*value);
        }
        file.labels_.push_back(label);
        file.curve_.push_back(std::move(values));
        return std::nullopt;
    }

    Alert notANumber(std::string_view line, std::size_t level, std::size_t channel,
                     std::string_view label) const {
        const std::string where =
            "value " + std::to_string(level + 1) + " of " + channelName(channel, label);
        if (line.empty()) {
            return problemAt(next_, " is empty where " + where + " should be.");
        }
        if (level > 0 && looksLikeLabel(line)) {
            return problemAt(next_, ": " + quotedLine(line) + " is not a number; " +
                                        channelName(channel, label) + " has only " +
                                        std::to_string(level) + " values.");
        }
        return problemAt(next_,
                         ": " + quotedLine(line) + " is not a number; it should be " + where + ".");
    }

    const std::vector<std::string>& lines_;
    std::size_t channelCount_;
    std::size_t endLine_ = 0;  // number of the last line that is not empty
    std::size_t next_ = 0;
};

namespace {

Alert refusal(std::string informativeText) {
    return Alert{std::string(QuadFile::loadFailureTitle), std::move(informativeText)};
}

Alert lineOneRefusal(std::string informativeText) {
    return Alert{std::string(QuadFile::loadFailureTitle), std::move(informativeText), 1};
}

}  // namespace

Result<QuadFile> QuadFile::load(const std::filesystem::path& path) {
    auto bytes = readFileBytes(path);
    if (!bytes) {
        return refusal(bytes.refusal().text);
    }
    return fromBytes(fileNameOf(path), bytes.value());
}

Result<QuadFile> QuadFile::fromBytes(std::string fileName, std::string_view bytes) {
    auto decoded = decodeText(bytes);
    if (!decoded) {
        return refusal(decoded.refusal().text);
    }
    std::string text = std::move(decoded).value();
    dropEndOfFileMarker(text);

    const std::vector<std::string> lines = splitString(removeCharacters(text, "\r"), '\n');
    const int channelCount = channelCountOfHeaderLine(lines.front());
    if (channelCount == 0) {
        if (lines.front().empty()) {
            return lineOneRefusal(
                "Line 1 is empty; the file must begin with a QuadToneRIP header line "
                "such as \"" +
                std::string(exampleHeaderLine) + "\".");
        }
        return lineOneRefusal("Line 1 is not a QuadToneRIP header line such as \"" +
                              std::string(exampleHeaderLine) + "\".");
    }
    QuadFile file;
    file.fileName_ = std::move(fileName);
    QuadLineParser parser(lines, channelCount);
    if (auto problem = parser.parseInto(file)) {
        return std::move(*problem);
    }
    return file;
}

std::string QuadFile::notesAsComments(std::string_view notes) {
    return "# " + replaceAll(notes, "\n", "\n# ");
}

std::string QuadFile::textWith(const QuadCurve& curve) const {
    return textWith(curve, notes_);
}

std::string QuadFile::textWith(const QuadCurve& curve, std::string_view notes) const {
    std::vector<std::string> lines = {headerBlock_.front()};
    std::vector<std::string> comments = splitString(notesAsComments(notes), '\n');
    if (!comments.front().starts_with("# Halidewerk")) {
        comments.insert(comments.begin(), std::string(toolNotesLine));
    }
    keepReadableAsNotes(comments);
    lines.insert(lines.end(), comments.begin(), comments.end());
    appendChannelBlock(lines, labels_, curve);
    return joinStrings(lines, "\n");
}

}  // namespace sg
