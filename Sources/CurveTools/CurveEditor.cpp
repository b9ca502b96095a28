#include "CurveTools/CurveEditor.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "Common/InkScale.h"
#include "Common/TextFiles.h"
#include "CurveMath/BezierRamp.h"
#include "QuadFiles/GutenprintExport.h"

namespace sg {
namespace {

// The line shown before a file is loaded.
const std::vector<double> placeholderCurve = {0.0, 65280.0};
constexpr std::size_t editPointSpacing = 12;
constexpr double lastLevelValue = static_cast<double>(lastLevel);

bool isPositiveSize(double width, double height) {
    return std::isfinite(width) && std::isfinite(height) && width > 0.0 && height > 0.0;
}

}  // namespace

CurveEditor::CurveEditor(double width, double height) {
    state_.width = width;
    state_.height = height;
    reset();
}

std::vector<Point> CurveEditor::editPointsForChannel(const std::vector<double>& values,
                                                     double width, double height) {
    std::vector<Point> points;
    for (std::size_t level = 0; level < values.size(); level += editPointSpacing) {
        points.push_back({static_cast<double>(level) / lastLevelValue * width,
                          values[level] / largestInkValue * height});
    }
    if (!values.empty()) {
        points.push_back({width, values.back() / largestInkValue * height});
    }
    return points;
}

Outcome CurveEditor::loadQuadFile(const std::filesystem::path& path) {
    Result<QuadFile> loaded = QuadFile::load(path);
    if (!loaded) {
        return Outcome::refused(loaded.refusal());
    }
    curveFile_ = std::move(loaded).value();
    state_.acceptedChannels.clear();
    state_.channel = 0;
    showPoints(curveFile_->curve().front());
    return {};
}

void CurveEditor::selectChannel(std::size_t channel) {
    if (!curveFile_ || channel >= curveFile_->channelCount()) {
        return;
    }
    state_.channel = channel;
    showPoints(curveFile_->curve()[channel]);
}

void CurveEditor::reset() {
    showPoints(curveFile_ ? curveFile_->curve()[state_.channel] : placeholderCurve);
}

void CurveEditor::showPoints(const std::vector<double>& channelValues) {
    state_.referencePoints = editPointsForChannel(channelValues, state_.width, state_.height);
    state_.editPoints = state_.referencePoints;
    pinFirstPoint();
}

void CurveEditor::setViewSize(double width, double height) {
    if (isPositiveSize(width, height)) {
        rescale(width, height);
    }
}

void CurveEditor::rescale(double width, double height) {
    if (width == state_.width && height == state_.height) {
        return;
    }
    const double xScale = width / state_.width;
    const double yScale = height / state_.height;
    const auto scale = [&](Point& point) {
        point.x *= xScale;
        point.y *= yScale;
    };
    std::for_each(state_.editPoints.begin(), state_.editPoints.end(), scale);
    std::for_each(state_.referencePoints.begin(), state_.referencePoints.end(), scale);
    scale(state_.activePoint);
    state_.width = width;
    state_.height = height;
}

void CurveEditor::restore(const CurveEditorState& state) {
    const double width = state_.width;
    const double height = state_.height;
    state_ = state;
    rescale(width, height);
}

void CurveEditor::press(Point location) {
    state_.editingIndex = 0;
    for (std::size_t i = 0; i < state_.editPoints.size(); ++i) {
        const Point point = state_.editPoints[i];
        if (std::abs(point.x - location.x) < hitDistance &&
            std::abs(point.y - location.y) < hitDistance) {
            state_.editingIndex = i;
            state_.activePoint = location;
        }
    }
}

void CurveEditor::drag(Point location) {
    state_.activePoint = location;
    moveEditingPoint(location);
}

void CurveEditor::release(Point location) {
    const bool inside = location.x >= 0.0 && location.x <= state_.width && location.y >= 0.0 &&
                        location.y <= state_.height;
    if (inside) {
        moveEditingPoint(location);
        return;
    }
    std::vector<Point>& points = state_.editPoints;
    const std::size_t index = state_.editingIndex;
    if (index < points.size()) {
        points.erase(points.begin() + static_cast<std::ptrdiff_t>(index));
    }
    state_.activePoint = index < points.size() ? points[index] : Point{};
    pinFirstPoint();
}

void CurveEditor::insertPoint(Point location) {
    std::vector<Point>& points = state_.editPoints;
    points.push_back(location);
    std::stable_sort(points.begin(), points.end(),
                     [](const Point& a, const Point& b) { return a.x < b.x; });
    // One pass: of a run of three at the same x, two stay.
    for (std::size_t k = 0; k + 1 < points.size(); ++k) {
        if (points[k + 1].x == points[k].x) {
            points.erase(points.begin() + static_cast<std::ptrdiff_t>(k + 1));
        }
    }
    pinFirstPoint();
}

void CurveEditor::selectNextPoint() {
    selectNeighbour(+1);
}

void CurveEditor::selectPreviousPoint() {
    selectNeighbour(-1);
}

void CurveEditor::selectNeighbour(int direction) {
    const std::size_t index = state_.editingIndex;
    if (index == 0 || index + 1 >= state_.editPoints.size()) {
        return;
    }
    state_.editingIndex = direction > 0 ? index + 1 : index - 1;
    state_.activePoint = state_.editPoints[state_.editingIndex];
}

void CurveEditor::deleteEditingPoint() {
    std::vector<Point>& points = state_.editPoints;
    const std::size_t index = state_.editingIndex;
    if (index >= points.size()) {
        return;
    }
    points.erase(points.begin() + static_cast<std::ptrdiff_t>(index));
    if (index < points.size()) {
        state_.activePoint = points[index];
    } else {
        state_.activePoint = Point{};
        points.push_back(Point{});
    }
    pinFirstPoint();
}

void CurveEditor::nudge(ArrowKey key, bool large) {
    const double step = large ? largeNudge : smallNudge;
    Point& active = state_.activePoint;
    switch (key) {
        case ArrowKey::left:
            active.x -= step;
            break;
        case ArrowKey::right:
            active.x += step;
            break;
        case ArrowKey::up:
            active.y += step;
            break;
        case ArrowKey::down:
            active.y -= step;
            break;
    }
    moveEditingPoint(active);
}

void CurveEditor::moveEditingPoint(Point location) {
    std::vector<Point>& points = state_.editPoints;
    if (state_.editingIndex < points.size()) {
        points[state_.editingIndex] = location;
    } else if (!points.empty()) {
        points.front() = location;
    }
    pinFirstPoint();
}

void CurveEditor::pinFirstPoint() {
    if (!state_.editPoints.empty()) {
        state_.editPoints.front() = Point{};
    }
}

void CurveEditor::acceptEdit() {
    if (!curveFile_) {
        return;
    }
    std::vector<double> levels;
    std::vector<double> inkValues;
    for (const Point& point : state_.editPoints) {
        levels.push_back(point.x / state_.width * lastLevelValue);
        inkValues.push_back(point.y / state_.height * largestInkValue);
    }
    std::vector<double> channel = bezierInkCurve(levels, inkValues);
    for (double& value : channel) {
        value = std::round(value);
    }
    state_.acceptedChannels[state_.channel] = std::move(channel);
}

CurveEditorDrawing CurveEditor::drawing() const {
    const std::vector<Point>& points = state_.editPoints;
    if (points.empty()) {
        return {};
    }
    CurveEditorDrawing drawing{points, {}, {}, state_.activePoint};
    if (points.size() >= 3) {
        drawing.segments = cubicControlPoints(points);
    }
    const std::vector<Point>& reference = state_.referencePoints;
    if (reference.size() >= 3) {
        drawing.referencePolyline.push_back(Point{});
        drawing.referencePolyline.insert(drawing.referencePolyline.end(), reference.begin() + 1,
                                         reference.end());
    }
    return drawing;
}

QuadCurve CurveEditor::outputCurve() const {
    if (!curveFile_) {
        return {};
    }
    QuadCurve curve = curveFile_->curve();
    for (const auto& [channel, values] : state_.acceptedChannels) {
        curve[channel] = values;
    }
    return curve;
}

std::string CurveEditor::saveUnavailableReason() const {
    if (!curveFile_) {
        return "Nothing to save yet: open a .quad file and accept an edit.";
    }
    if (state_.acceptedChannels.empty()) {
        return "Nothing to save yet: accept an edit first.";
    }
    return {};
}

std::string CurveEditor::fileText() const {
    return curveFile_->textWith(outputCurve());
}

Outcome CurveEditor::save(const std::filesystem::path& path) const {
    if (!canSave()) {
        return {};
    }
    return saveTextFile(path, fileText());
}

Outcome CurveEditor::exportGutenprintXml(const std::filesystem::path& folder) const {
    if (!canSave()) {
        return {};
    }
    return ::sg::exportGutenprintXml(outputCurve(), curveFile_->labels(), folder);
}

}  // namespace sg
