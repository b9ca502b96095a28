#include "QuadFiles/QuadFile.h"

#include <algorithm>
#include <array>
#include <optional>

#include "Common/InkScale.h"
#include "Common/Numbers.h"
#include "Common/Strings.h"
#include "Common/TextFiles.h"
#include "Common/TextLines.h"
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
    const std::size_t last = text.find_last_not_of('\n');
    if (last != std::string::npos && text[last] == endOfFileMarker) {
        text.erase(last, 1);
    }
}

bool isBlank(std::string_view line) {
    return trim(line, " \t").empty();
}

bool isValue(std::string_view line) {
    return parseDecimal(line).has_value();
}

// The number (counted from 1) of the last line holding more than blanks; 0 when none does.
std::size_t lastTextLine(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == '\n' || text[end - 1] == ' ' || text[end - 1] == '\t')) {
        --end;
    }
    if (end == 0) {
        return 0;
    }
    return static_cast<std::size_t>(std::count(text.begin(), text.begin() + end, '\n')) + 1;
}

Alert refusal(std::string informativeText, std::optional<std::size_t> line = std::nullopt) {
    return Alert{std::string(QuadFile::loadFailureTitle), std::move(informativeText), line};
}

}  // namespace

// Reads the lines of a file into a new object, or names the first problem. The lines are
// views into the text, walked once from the top.
//
// Two layouts load. The labelled one: per channel a label line and 256 values. The merged one
// of older tools: no labels, each channel's values preceded by comment lines of its own
// ("# file ...", "# curve ...", "# limit 95.0"); the channels take their labels from the header
// line and their comment lines join the notes, so a save writes the labelled layout and loses
// nothing. Blank lines before the header line, between a label and its values and between
// values are skipped.
class QuadLineParser {
public:
    explicit QuadLineParser(std::string_view text)
        : lines_(text), line_(lines_.begin()), endLine_(lastTextLine(text)) {}

    // Fills the parsed fields of `file`, or returns the refusal.
    std::optional<Alert> parseInto(QuadFile& file) {
        skipBlankLines();
        if (atEnd()) {
            return refusal(
                "The file is empty; it must begin with a QuadToneRIP header line such as "
                "\"" +
                std::string(exampleHeaderLine) + "\".");
        }
        set_ = inkChannelSetOf(*line_);
        if (set_ == nullptr) {
            return problemHere(" is not a QuadToneRIP header line such as \"" +
                               std::string(exampleHeaderLine) + "\".");
        }
        file.headerBlock_ = {std::string(*line_)};
        ++line_;
        readHeaderComments(file);
        const bool merged = !atEnd() && isValue(*line_);
        if (auto problem = merged ? readMergedChannels(file) : readLabelledChannels(file)) {
            return problem;
        }
        const std::vector<std::string> comments(file.headerBlock_.begin() + 1,
                                                file.headerBlock_.end());
        file.notes_ = replaceAll(joinStrings(comments, "\n"), "# ", "");
        return std::nullopt;
    }

private:
    std::size_t lineNumber() const { return line_.index() + 1; }

    // A refusal about the current line; the text follows "Line <n>".
    Alert problemHere(std::string text) const {
        return refusal("Line " + std::to_string(lineNumber()) + std::move(text), lineNumber());
    }

    // Nothing but blank lines from the current one on: the file has ended.
    bool atEnd() const { return line_ == lines_.end() || lineNumber() > endLine_; }

    Alert ended(std::string_view before) const {
        return refusal("The file ends at line " + std::to_string(endLine_) + ", before " +
                           std::string(before) + ".",
                       endLine_);
    }

    void skipBlankLines() {
        while (!atEnd() && isBlank(*line_)) {
            ++line_;
        }
    }

    bool nextIsValue() const {
        TextLines::Iterator next = line_;
        ++next;
        return next != lines_.end() && isValue(*next);
    }

    static std::string channelName(std::size_t channel, std::string_view label) {
        return "channel " + std::to_string(channel + 1) + " (" + quotedLine(label) + ")";
    }

    // The comment lines up to the first label, at most 51 of them. Older merge files have no
    // labels: their first value ends the comments.
    void readHeaderComments(QuadFile& file) {
        for (std::size_t taken = 0; taken < maximumHeaderCommentLines && !atEnd() &&
                                    !isFirstChannelLabel(*line_) && !isValue(*line_);
             ++taken, ++line_) {
            file.headerBlock_.emplace_back(*line_);
        }
    }

    std::optional<Alert> readLabelledChannels(QuadFile& file) {
        for (std::size_t channel = 0; channel < set_->channels.size(); ++channel) {
            // A blank line right before the values is the label, as such files always read.
            while (!atEnd() && isBlank(*line_) && !nextIsValue()) {
                ++line_;
            }
            if (atEnd()) {
                return ended(channel == 0 ? std::string("the first channel label")
                                          : "the label of channel " + std::to_string(channel + 1));
            }
            const std::string_view label = *line_;
            // Never so for the first channel: a value there begins the merged layout.
            if (isValue(label)) {
                return problemHere(" holds the value " + quotedLine(label) +
                                   " where the label of channel " + std::to_string(channel + 1) +
                                   " should be; " + channelName(channel - 1, file.labels_.back()) +
                                   " has more than 256 values.");
            }
            ++line_;
            if (auto problem = readValues(file, channel, label)) {
                return problem;
            }
        }
        return std::nullopt;
    }

    std::optional<Alert> readMergedChannels(QuadFile& file) {
        const std::size_t channelCount = set_->channels.size();
        for (std::size_t channel = 0; channel < channelCount; ++channel) {
            const std::string label = channelLabel(set_->channels[channel]);
            for (; !atEnd() && !isValue(*line_); ++line_) {
                if (!isBlank(*line_)) {
                    file.headerBlock_.emplace_back(*line_);
                }
            }
            if (atEnd()) {
                return ended("the first value of " + channelName(channel, label));
            }
            if (auto problem = readValues(file, channel, label)) {
                return problem;
            }
        }
        for (; !atEnd(); ++line_) {
            if (isValue(*line_)) {
                return problemHere(" holds the value " + quotedLine(*line_) +
                                   ", but the header line names only " +
                                   std::to_string(channelCount) + " channels.");
            }
        }
        return std::nullopt;
    }

    std::optional<Alert> readValues(QuadFile& file, std::size_t channel, std::string_view label) {
        std::vector<double> values;
        values.reserve(levelCount);
        for (std::size_t level = 0; level < levelCount; ++level, ++line_) {
            skipBlankLines();
            if (atEnd()) {
                return ended("the 256th value of " + channelName(channel, label));
            }
            const std::optional<double> value = parseDecimal(*line_);
            if (!value) {
                return notANumber(level, channel, label);
            }
            values.push_back(*value);
        }
        file.labels_.emplace_back(label);
        file.curve_.push_back(std::move(values));
        return std::nullopt;
    }

    Alert notANumber(std::size_t level, std::size_t channel, std::string_view label) const {
        const std::string_view line = *line_;
        if (level > 0 && looksLikeLabel(line)) {
            return problemHere(": " + quotedLine(line) + " is not a number; " +
                               channelName(channel, label) + " has only " + std::to_string(level) +
                               " values.");
        }
        return problemHere(": " + quotedLine(line) + " is not a number; it should be value " +
                           std::to_string(level + 1) + " of " + channelName(channel, label) + ".");
    }

    TextLines lines_;
    TextLines::Iterator line_;
    std::size_t endLine_;
    const InkChannelSet* set_ = nullptr;
};

Result<QuadFile> QuadFile::load(const std::filesystem::path& path) {
    Result<std::string> text = readTextFile(path);
    if (!text) {
        return refusal(text.refusal().text);
    }
    return fromText(fileNameOf(path), std::move(text).value());
}

Result<QuadFile> QuadFile::fromBytes(std::string fileName, std::string_view bytes) {
    Result<std::string> text = decodeText(bytes);
    if (!text) {
        return refusal(text.refusal().text);
    }
    return fromText(std::move(fileName), std::move(text).value());
}

Result<QuadFile> QuadFile::fromText(std::string fileName, std::string text) {
    std::erase(text, '\r');
    dropEndOfFileMarker(text);
    QuadFile file;
    file.fileName_ = std::move(fileName);
    QuadLineParser parser(text);
    if (auto problem = parser.parseInto(file)) {
        return std::move(*problem);
    }
    return file;
}

std::vector<std::string> QuadFile::readableComments(std::vector<std::string> comments) {
    if (comments.size() > maximumHeaderCommentLines) {
        std::string& last = comments[maximumHeaderCommentLines - 1];
        for (std::size_t i = maximumHeaderCommentLines; i < comments.size(); ++i) {
            last += " " + comments[i].substr(std::min<std::size_t>(2, comments[i].size()));
        }
        comments.resize(maximumHeaderCommentLines);
    }
    for (std::string& line : comments) {
        if (isFirstChannelLabel(line)) {
            line.insert(1, " ");
        }
    }
    return comments;
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
    comments = readableComments(std::move(comments));
    lines.insert(lines.end(), comments.begin(), comments.end());
    appendChannelBlock(lines, labels_, curve);
    return joinStrings(lines, "\n");
}

}  // namespace sg
