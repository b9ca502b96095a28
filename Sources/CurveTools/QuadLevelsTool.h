#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "Common/Outcome.h"
#include "CurveTools/CurveLimiter.h"
#include "QuadFiles/QuadCurve.h"
#include "QuadFiles/QuadFile.h"

namespace sg {

// The quad levels tool: a loaded curve trimmed on its input axis between the start and the
// end of a selection (fractions 0..1 of the range slider), saved under the loaded file's
// header, or exported as Gutenprint XML. One method per user action; a refused action leaves
// the tool as it was.
//
// Before a file is loaded the tool shows the built-in ramp curve and has nothing to save.
class QuadLevelsTool {
public:
    // Loads a .quad file and trims it with the current selection (the selection is kept).
    Outcome loadQuadFile(const std::filesystem::path& path);

    // The range slider moved. Fractions outside 0..1 are clamped, and the end is never
    // before the start.
    void setSelection(double start, double end);
    double selectionStart() const { return selectionStart_; }
    double selectionEnd() const { return selectionEnd_; }

    int lowLevel() const { return limiter_.lowLevel(); }
    int highLevel() const { return limiter_.highLevel(); }
    const QuadCurve& trimmedCurve() const { return limiter_.trimmedCurve(); }

    const std::optional<QuadFile>& curveFile() const { return curveFile_; }
    bool canSave() const { return curveFile_.has_value(); }

    // The text a save writes; with zeroFirst the first value of every channel is 0.
    // Requires canSave().
    std::string trimmedFileText(bool zeroFirst) const;

    // Saves the result through `write` (which says whether the text was written). After a
    // good write with zeroFirst, the stored result keeps its zeroed first values until the
    // selection next changes, so a later save or export writes them too. Before a file is
    // loaded nothing is written.
    Outcome saveTrimmedCurve(const std::function<Outcome(std::string_view)>& write, bool zeroFirst);
    // The same, written to `path` through the atomic writer.
    Outcome saveTrimmedCurve(const std::filesystem::path& path, bool zeroFirst);

    // Exports the current result with the loaded file's channel labels into `folder`.
    // Nothing before a file is loaded.
    Outcome exportGutenprintXml(const std::filesystem::path& folder) const;

private:
    CurveLimiter limiter_;
    std::optional<QuadFile> curveFile_;
    double selectionStart_ = 0.0;
    double selectionEnd_ = 1.0;
};

}  // namespace sg
