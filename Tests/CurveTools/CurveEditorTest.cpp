#include "CurveTools/CurveEditor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "Support/GoldenFile.h"
#include "Support/TemporaryFolder.h"
#include "Support/TestData.h"

namespace sg {
namespace {

// 1020 wide: edit point j stands at x = 48 j.
constexpr double width = 1020.0;
constexpr double height = 500.0;

CurveEditor loadedEditor() {
    CurveEditor editor(width, height);
    EXPECT_TRUE(
        editor.loadQuadFile(testing::testData("CurveTools/GlossyNeutral8Crlf.quad")).isDone());
    return editor;
}

TEST(CurveEditor, ChannelGivesTwentyThreePointsWithTheFirstPinned) {
    CurveEditor editor(width, height);
    EXPECT_EQ(editor.editPoints(),
              (std::vector<Point>{{0, 0}, {width, 65280.0 / 65535.0 * height}}));
    EXPECT_TRUE(editor.drawing().referencePolyline.empty());

    editor = loadedEditor();
    const std::vector<double>& channel = editor.curveFile()->curve()[3];  // 1500 everywhere
    const std::vector<Point> points = CurveEditor::editPointsForChannel(channel, width, height);
    ASSERT_EQ(points.size(), 23u);
    EXPECT_DOUBLE_EQ(points[0].y, 1500.0 / 65535.0 * height);
    EXPECT_DOUBLE_EQ(points[21].x, 252.0 / 255.0 * width);
    EXPECT_EQ(points[22], (Point{width, 1500.0 / 65535.0 * height}));

    editor.selectChannel(3);
    EXPECT_EQ(editor.editPoints().front(), (Point{0, 0}));
    EXPECT_EQ(editor.editPoints().back(), points.back());
    const CurveEditorDrawing drawing = editor.drawing();
    EXPECT_EQ(drawing.segments.size(), 22u);
    ASSERT_EQ(drawing.referencePolyline.size(), 23u);
    EXPECT_EQ(drawing.referencePolyline[0], (Point{0, 0}));
    EXPECT_EQ(drawing.referencePolyline[1], points[1]);
}

TEST(CurveEditor, PressHitsAPointStrictlyCloserThanTenUnits) {
    CurveEditor editor = loadedEditor();
    editor.insertPoint({100, 200});  // index 3, between x = 96 and 144
    struct Row {
        const char* name;
        Point press;
        std::size_t editingIndex;
    };
    for (const Row& row : {Row{"9.9 above and right", {109.9, 209.9}, 3},
                           Row{"9.9 below and left", {90.1, 190.1}, 3},
                           Row{"10 right", {110, 200}, 0}, Row{"10 below", {100, 190}, 0}}) {
        const Point before = editor.activePoint();
        editor.press(row.press);
        EXPECT_EQ(editor.editingIndex(), row.editingIndex) << row.name;
        EXPECT_EQ(editor.activePoint(), row.editingIndex == 0 ? before : row.press) << row.name;
    }
    editor.insertPoint({105, 200});
    editor.press({103, 200});
    EXPECT_EQ(editor.editingIndex(), 4u);  // the last hit wins
}

TEST(CurveEditor, InsertionSortsByXAndDropsASecondPointAtTheSameX) {
    CurveEditor editor = loadedEditor();
    const std::vector<Point> before = editor.editPoints();
    for (const std::size_t k : {5u, 22u}) {  // inside and at the end
        editor.insertPoint({before[k].x, 1});
        EXPECT_EQ(editor.editPoints(), before) << k;
    }
    editor.insertPoint({before[5].x + 1, 1});
    editor.insertPoint({before[5].x + 1, 2});
    ASSERT_EQ(editor.editPoints().size(), 24u);
    EXPECT_EQ(editor.editPoints()[6], (Point{before[5].x + 1, 1}));
}

TEST(CurveEditor, KeysFollowTheEditingPoint) {
    CurveEditor editor = loadedEditor();
    const std::vector<Point> points = editor.editPoints();
    editor.press({points[22].x - 2, points[22].y + 3});
    ASSERT_EQ(editor.editingIndex(), 22u);
    editor.selectNextPoint();  // the ends do nothing
    editor.selectPreviousPoint();
    EXPECT_EQ(editor.editingIndex(), 22u);
    editor.press({points[1].x, points[1].y});
    editor.selectPreviousPoint();
    EXPECT_EQ(editor.editingIndex(), 0u);
    EXPECT_EQ(editor.activePoint(), points[0]);
    editor.selectPreviousPoint();
    editor.selectNextPoint();
    EXPECT_EQ(editor.editingIndex(), 0u);

    // Shift + right arrow: 10 units right of the press location.
    editor.press({points[4].x + 3, points[4].y + 3});
    editor.nudge(ArrowKey::right, true);
    editor.nudge(ArrowKey::down, false);
    EXPECT_EQ(editor.editPoints()[4], (Point{points[4].x + 3 + 10, points[4].y + 3 - 1}));

    // Delete selects the next point; deleting the last point leaves (0, 0) in its place.
    editor.deleteEditingPoint();
    EXPECT_EQ(editor.activePoint(), points[5]);
    editor.press(points[22]);
    editor.deleteEditingPoint();
    ASSERT_EQ(editor.editPoints().size(), 22u);
    EXPECT_EQ(editor.editPoints().back(), (Point{0, 0}));
    EXPECT_EQ(editor.activePoint(), (Point{0, 0}));
}

TEST(CurveEditor, ReleaseOutsideDeletesDownToAnEmptyEditThatNothingBreaks) {
    CurveEditor editor(width, height);
    // The frame's edges are inside: a release on them moves the point.
    editor.press({width, 497});
    editor.release({width, height});
    EXPECT_EQ(editor.editPoints().back(), (Point{width, height}));
    editor.press({width, 497});
    editor.drag({width + 5, 300});
    editor.release({width + 5, 300});
    EXPECT_EQ(editor.editPoints(), (std::vector<Point>{{0, 0}}));
    EXPECT_EQ(editor.editingIndex(), 1u);  // past the end now
    editor.deleteEditingPoint();
    editor.selectPreviousPoint();
    // Past the end the first point is the one that moves, and it stays pinned.
    editor.drag({40, 40});
    EXPECT_EQ(editor.editPoints(), (std::vector<Point>{{0, 0}}));

    editor.press({3, 3});
    editor.release({-1, 3});
    EXPECT_TRUE(editor.editPoints().empty());
    editor.deleteEditingPoint();
    editor.nudge(ArrowKey::up, false);
    editor.acceptEdit();
    EXPECT_TRUE(editor.editPoints().empty());
    const CurveEditorDrawing drawing = editor.drawing();
    EXPECT_TRUE(drawing.curvePoints.empty() && drawing.segments.empty() &&
                drawing.referencePolyline.empty() && !drawing.activePoint);
}

TEST(CurveEditor, AcceptedChannelsAreWholeAndSavedWithTheOthersAsLoaded) {
    CurveEditor editor = loadedEditor();
    EXPECT_EQ(editor.saveUnavailableReason(), "Nothing to save yet: accept an edit first.");
    const testing::TemporaryFolder folder;
    EXPECT_TRUE(editor.save(folder.path() / "nothing.quad").isDone());
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "nothing.quad"));

    editor.press(editor.editPoints()[15]);
    editor.drag({700, 260});
    editor.release({700, 250});
    editor.acceptEdit();
    editor.selectChannel(4);
    editor.insertPoint({300, 100});
    editor.acceptEdit();
    ASSERT_TRUE(editor.canSave());
    EXPECT_EQ(editor.saveUnavailableReason(), "");

    const QuadCurve output = editor.outputCurve();
    for (std::size_t c = 0; c < output.size(); ++c) {
        if (c == 0 || c == 4) {
            for (const double value : output[c]) {
                ASSERT_EQ(value, std::round(value)) << c;
            }
        } else {
            EXPECT_EQ(output[c], editor.curveFile()->curve()[c]) << c;
        }
    }
    EXPECT_NE(output[0], editor.curveFile()->curve()[0]);
    ASSERT_TRUE(editor.save(folder.path() / "edited.quad").isDone());
    EXPECT_TRUE(testing::matchesGoldenFile(folder.read("edited.quad"), "edited-glossy.quad"));

    // A newly opened file has nothing accepted.
    ASSERT_TRUE(editor.loadQuadFile(testing::testData("CurveTools/WarmBaryta8.quad")).isDone());
    EXPECT_FALSE(editor.canSave());
    EXPECT_TRUE(
        editor.loadQuadFile(testing::testData("CurveTools/DivZeroExport.quad")).isRefused());
    EXPECT_EQ(editor.curveFile()->fileName(), "WarmBaryta8.quad");
}

TEST(CurveEditor, RestoringAStateUndoesAndRedoesEveryChangeExactly) {
    struct Row {
        const char* name;
        std::function<void(CurveEditor&)> change;
    };
    const std::vector<Row> rows = {
        {"drag",
         [](CurveEditor& e) {
             e.press(e.editPoints()[6]);
             e.drag({310, 90});
             e.release({320, 95});
         }},
        {"insertion",
         [](CurveEditor& e) {
             e.insertPoint({333.25, 77.5});
         }},
        {"deletion",
         [](CurveEditor& e) {
             e.press(e.editPoints()[9]);
             e.deleteEditingPoint();
         }},
        {"accept",
         [](CurveEditor& e) {
             e.insertPoint({333.25, 77.5});
             e.acceptEdit();
         }},
    };
    for (const Row& row : rows) {
        CurveEditor editor = loadedEditor();
        editor.selectChannel(6);
        const CurveEditorState before = editor.state();
        const QuadCurve outputBefore = editor.outputCurve();
        row.change(editor);
        const CurveEditorState after = editor.state();
        const QuadCurve outputAfter = editor.outputCurve();
        ASSERT_NE(after, before) << row.name;

        editor.restore(before);
        EXPECT_EQ(editor.state(), before) << row.name;
        EXPECT_EQ(editor.outputCurve(), outputBefore) << row.name;
        editor.restore(after);
        EXPECT_EQ(editor.editPoints(), after.editPoints) << row.name;
        EXPECT_EQ(editor.outputCurve(), outputAfter) << row.name;

        // Restored after a resize, the points keep their place in the frame.
        editor.setViewSize(0, 0);
        editor.setViewSize(2 * width, height / 2);
        editor.restore(before);
        EXPECT_EQ(editor.editPoints()[1],
                  (Point{before.editPoints[1].x * 2, before.editPoints[1].y / 2}))
            << row.name;
    }
}

}  // namespace
}  // namespace sg
