#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Common/Outcome.h"
#include "CurveMath/CubicControlPoints.h"
#include "CurveMath/Point.h"
#include "QuadFiles/QuadCurve.h"
#include "QuadFiles/QuadFile.h"

namespace sg {

enum class ArrowKey { left, right, up, down };

// Everything an edit can change, as one value: an undo step restores it whole. Points are in
// the editing widget's coordinates: origin at the bottom left, y up, in widget units; input
// level s stands at x = s / 255 * width, ink value v at y = v / 65535 * height.
struct CurveEditorState {
    // The widget size the points were given for.
    double width = 0.0;
    double height = 0.0;
    std::size_t channel = 0;
    std::vector<Point> editPoints;
    // The channel as loaded, drawn in gray behind the edit.
    std::vector<Point> referencePoints;
    // May point past the end of the list once the last point has been dragged out.
    std::size_t editingIndex = 0;
    // The last press location or the selected point; the arrow keys move from here.
    Point activePoint;
    // Each accepted channel by its index, in whole ink values.
    std::map<std::size_t, std::vector<double>> acceptedChannels;

    friend bool operator==(const CurveEditorState&, const CurveEditorState&) = default;
};

// What the editing widget draws over its white frame, in its coordinates. All empty when the
// edit has no points left: then only the frame is drawn.
struct CurveEditorDrawing {
    // The edited curve starts at the first point and passes through every point in order:
    // with segments, one cubic Bezier per following point with that segment's control
    // points; without (fewer than 3 points), one straight line to the last point.
    std::vector<Point> curvePoints;
    std::vector<CubicSegment> segments;
    // Straight lines from (0, 0) through the loaded channel's points; empty when there are
    // fewer than 3.
    std::vector<Point> referencePolyline;
    std::optional<Point> activePoint;
};

// The curve editor without its widgets: one channel of a loaded curve shown as a smooth curve
// through edit points, every mouse and key rule of the editing widget as an operation on
// points, and the accepted channels that a save writes under the loaded file's header.
//
// The first edit point is always (0, 0): every change pins it there. An empty point list and
// an editing index past the end are states like any other; no operation fails on them.
class CurveEditor {
public:
    // A press hits a point closer than this in both directions (strictly).
    static constexpr double hitDistance = 10.0;
    static constexpr double smallNudge = 1.0;
    static constexpr double largeNudge = 10.0;  // with Shift

    // Shows the placeholder line from (0, 0) to ink value 65280 at the right edge. The size
    // is the widget's, positive.
    CurveEditor(double width, double height);

    // The edit points of a channel: one every 12 input levels from level 0 (22 of them for
    // 256 values), then one at the right edge with the last value.
    static std::vector<Point> editPointsForChannel(const std::vector<double>& values, double width,
                                                   double height);

    // Opens a file and shows its first channel. Edits accepted in the previous file are
    // dropped. A file that does not load is refused and nothing changes.
    Outcome loadQuadFile(const std::filesystem::path& path);
    // The edit and reference points become those of the channel as loaded (not as
    // accepted). Nothing without that channel.
    void selectChannel(std::size_t channel);
    // The widget was resized: every point keeps its place relative to the frame. A size that
    // is not positive (a hidden widget) is ignored.
    void setViewSize(double width, double height);

    // Left button. A press selects the last point it hits as the editing point and becomes
    // the active point; a press that hits nothing makes the first point the editing point.
    void press(Point location);
    // The editing point (or, past the end, the first point) follows the pointer.
    void drag(Point location);
    // Inside the frame the editing point moves there; outside it is deleted.
    void release(Point location);
    // Right button: a new point, the list sorted by x, then one pass that drops a point
    // standing at the same x as the one before it.
    void insertPoint(Point location);
    // Tab and Shift+Tab: nothing on the first or last point, or past the end.
    void selectNextPoint();
    void selectPreviousPoint();
    // Delete. Removing the last point in the list appends (0, 0) in its place and makes it
    // the active point. Nothing past the end.
    void deleteEditingPoint();
    // The active point moves by one unit (largeNudge with Shift) and the editing point to it.
    void nudge(ArrowKey key, bool large);
    // The points become the channel's 256 ink values through the Bezier ink curve, rounded
    // to whole numbers (halves away from zero). Nothing before a file is loaded.
    void acceptEdit();
    // Back to the points of the channel as loaded (the placeholder without a file). Accepted
    // channels stay.
    void reset();

    // For undo: the state before and after a change; restoring one puts the editor back
    // exactly (rescaled when the widget was resized in between).
    const CurveEditorState& state() const { return state_; }
    void restore(const CurveEditorState& state);

    const std::vector<Point>& editPoints() const { return state_.editPoints; }
    std::size_t editingIndex() const { return state_.editingIndex; }
    Point activePoint() const { return state_.activePoint; }
    std::size_t channel() const { return state_.channel; }
    const std::optional<QuadFile>& curveFile() const { return curveFile_; }
    CurveEditorDrawing drawing() const;
    // The loaded channels with every accepted channel in place; empty before a file is loaded.
    QuadCurve outputCurve() const;

    // A save writes once an edit of this file has been accepted.
    bool canSave() const { return curveFile_.has_value() && !state_.acceptedChannels.empty(); }
    // Why Save is not available, for its tooltip; empty when it is.
    std::string saveUnavailableReason() const;
    // The loaded file's header and notes with the output curve. Requires a file.
    std::string fileText() const;
    // Writes fileText() to `path` through the atomic writer; nothing while !canSave().
    Outcome save(const std::filesystem::path& path) const;
    // One Gutenprint XML file per channel of the output curve, named by the loaded labels;
    // nothing while !canSave().
    Outcome exportGutenprintXml(const std::filesystem::path& folder) const;

private:
    void selectNeighbour(int direction);
    void showPoints(const std::vector<double>& channelValues);
    void moveEditingPoint(Point location);
    void pinFirstPoint();
    void rescale(double width, double height);

    std::optional<QuadFile> curveFile_;
    CurveEditorState state_;
};

}  // namespace sg
