#include <functional>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineSeries>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

#include "App/CurveEditorView.h"
#include "App/CurveEditorViewController.h"
#include "App/InkCurveChart.h"
#include "App/SaveRow.h"
#include "ViewSupport/ViewFixture.h"

using sg::CurveEditorState;
using sg::CurveEditorView;
using sg::CurveEditorViewController;
using sg::Point;
using namespace sg::testing;

const QString glossyFile = testDataPath("CurveTools/GlossyNeutral8Crlf.quad");

class CurveEditorViewTest : public QObject, ViewFixture<CurveEditorViewController> {
    Q_OBJECT

    CurveEditorView* area() const { return view->editorView(); }
    // Where edit point `index` is drawn.
    QPoint pointPosition(std::size_t index) const {
        return area()->widgetPosition(view->editor().editPoints().at(index)).toPoint();
    }
    void drag(const QPoint& from, const QPoint& to) {
        QTest::mousePress(area(), Qt::LeftButton, {}, from);
        QTest::mouseMove(area(), (from + to) / 2);
        QTest::mouseMove(area(), to);
        QTest::mouseRelease(area(), Qt::LeftButton, {}, to);
    }

private slots:
    void init() {
        QVERIFY(setUp());
        view->resize(1000, 680);
        view->show();
        QVERIFY(QTest::qWaitForWindowActive(view));
        openWith(glossyFile, &CurveEditorViewController::openFile);
    }

    void cleanup() { QVERIFY(scriptFinished()); }

    void mouseReachesTheEditor() {
        // The editor's frame is the widget's, less the margin, y up.
        QCOMPARE(view->editor().state().width, area()->width() - 2.0 * CurveEditorView::margin);
        QCOMPARE(area()->editorPoint(
                     QPointF(CurveEditorView::margin, area()->height() - CurveEditorView::margin)),
                 (Point{0, 0}));

        view->channelBox()->setFocus();
        QTest::keyClick(view->channelBox(), Qt::Key_Down);
        QCOMPARE(view->editor().channel(), 1u);

        const QPoint target = pointPosition(5) + QPoint(7, -40);
        drag(pointPosition(5), target);
        QCOMPARE(view->editor().editPoints().at(5), area()->editorPoint(target));
        QVERIFY(area()->hasFocus());

        const std::size_t count = view->editor().editPoints().size();
        const QPoint between = (pointPosition(9) + pointPosition(10)) / 2 + QPoint(0, -25);
        QTest::mouseClick(area(), Qt::RightButton, {}, between);
        QCOMPARE(view->editor().editPoints().size(), count + 1);
        QCOMPARE(view->editor().editPoints().at(10), area()->editorPoint(between));

        // Out of the frame, into the margin: the point goes.
        drag(pointPosition(10), QPoint(between.x(), area()->height() - 2));
        QCOMPARE(view->editor().editPoints().size(), count);

        // The frame grows with the view; where the points go in it, the editor's own test shows.
        const double width = view->editor().state().width;
        view->resize(1200, 760);
        QTRY_VERIFY(view->editor().state().width > width);
        QCOMPARE(view->editor().state().height, area()->height() - 2.0 * CurveEditorView::margin);
    }

    void keysReachTheEditorAndEscapeLeaves() {
        QTest::mouseClick(area(), Qt::LeftButton, {}, pointPosition(3));
        QCOMPARE(view->editor().editingIndex(), 3u);
        QTest::keyClick(area(), Qt::Key_Tab);
        QTest::keyClick(area(), Qt::Key_Tab);
        QCOMPARE(view->editor().editingIndex(), 5u);
        QTest::keyClick(area(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(view->editor().editingIndex(), 4u);
        QTest::keyClick(area(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(view->editor().editingIndex(), 3u);
        QCOMPARE(QApplication::focusWidget(), area());

        const Point active = view->editor().activePoint();
        QTest::keyClick(area(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(area(), Qt::Key_Up);
        QCOMPARE(view->editor().editPoints().at(3), (Point{active.x + 10, active.y + 1}));

        const std::size_t count = view->editor().editPoints().size();
        QTest::keyClick(area(), Qt::Key_Delete);
        QCOMPARE(view->editor().editPoints().size(), count - 1);

        QTest::keyClick(area(), Qt::Key_Escape);
        QVERIFY(QApplication::focusWidget() != area());
        area()->setFocus();
        QTest::keyClick(area(), Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(QApplication::focusWidget() != area());
        QCOMPARE(view->editor().editingIndex(), 3u);
    }

    void undoAndRedoRestoreTheEditorsState() {
        struct Row {
            const char* name;
            std::function<void()> change;
            QString undoText;
        };
        const std::vector<Row> rows = {
            {"drag", [&] { drag(pointPosition(6), pointPosition(6) + QPoint(12, -30)); },
             "&Undo Move Point"},
            {"insertion",
             [&] {
                 QTest::mouseClick(area(), Qt::RightButton, {}, pointPosition(7) + QPoint(9, 9));
             },
             "&Undo Add Point"},
            // The point the drag chose.
            {"deletion", [&] { QTest::keyClick(area(), Qt::Key_Backspace); }, "&Undo Delete Point"},
            {"nudge", [&] { QTest::keyClick(area(), Qt::Key_Down, Qt::ShiftModifier); },
             "&Undo Nudge Point"},
            {"reset", [&] { view->resetButton()->click(); }, "&Undo Reset Points"},
            {"accept", [&] { view->acceptButton()->click(); }, "&Undo Accept Edit"},
            {"channel", [&] { view->chooseChannel(4); }, "&Undo Choose Channel"},
        };
        for (const Row& row : rows) {
            const CurveEditorState before = view->editor().state();
            const int steps = view->undoStack()->count();
            row.change();
            const CurveEditorState after = view->editor().state();
            QVERIFY2(after.editPoints != before.editPoints ||
                         after.acceptedChannels != before.acceptedChannels ||
                         after.channel != before.channel,
                     row.name);
            QCOMPARE(view->undoStack()->count(), steps + 1);
            QCOMPARE(view->undoAction()->text(), row.undoText);

            view->undoAction()->trigger();
            QVERIFY2(view->editor().state() == before, row.name);
            QCOMPARE(view->channelBox()->currentIndex(), int(before.channel));
            view->redoAction()->trigger();
            QVERIFY2(view->editor().state() == after, row.name);
        }
        // Choosing another point is no step; opening a file starts a new history.
        const int steps = view->undoStack()->count();
        QTest::keyClick(area(), Qt::Key_Tab);
        QCOMPARE(view->undoStack()->count(), steps);
        view->openFileAt(glossyFile);
        QCOMPARE(view->undoStack()->count(), 0);
        QVERIFY(!view->undoAction()->isEnabled());
    }

    void saveWaitsForAnAcceptedEditThatTheGraphShows() {
        QPushButton* save = view->saveRow()->saveButton();
        QVERIFY(!save->isEnabled() && !view->canSave());
        QCOMPARE(save->toolTip(), QString::fromStdString(view->editor().saveUnavailableReason()));
        QCOMPARE(view->inkChart()->curveSeries().at(0)->name(), QStringLiteral("# K curve"));

        drag(pointPosition(12), pointPosition(12) + QPoint(0, -50));
        view->acceptButton()->click();
        QVERIFY(save->isEnabled() && view->hasUnsavedResult());
        QVERIFY(
            drawsInkValues(view->inkChart()->curveSeries().at(0), view->editor().outputCurve()[0]));

        ui->answerSave(folder.filePath("edited"));
        save->click();
        QCOMPARE(ui->saveRequests.back().suggestion,
                 testDataPath("CurveTools/GlossyNeutral8Crlf-edited.quad"));
        QCOMPARE(bytesOf(folder.filePath("edited.quad")),
                 QByteArray::fromStdString(view->editor().fileText()));
        QVERIFY(!view->hasUnsavedResult());
        // Undoing the accept leaves the saved file behind.
        view->undoAction()->trigger();
        QVERIFY(view->hasUnsavedResult());
    }
};

QTEST_MAIN(CurveEditorViewTest)
#include "CurveEditorViewTest.moc"
