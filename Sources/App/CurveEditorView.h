#pragma once

#include <functional>

#include <QColor>
#include <QPointF>
#include <QString>
#include <QWidget>

#include "CurveMath/Point.h"

namespace sg {

class CurveEditor;

// The editing widget of the Curve Editor tab. It draws the edited channel from the editor's
// drawing() in the editor's coordinates (origin at the frame's bottom-left corner, y up, one
// unit a pixel) and hands every mouse and key event to the editor:
// - a left press, drag and release move a point; released outside the frame it is removed;
// - a right click adds a point;
// - Tab and Shift+Tab choose the next or previous point (while the widget has the focus, Tab
//   does not move the focus on), the arrows move the chosen point by 1 (with Shift by 10),
//   Delete and Backspace remove it;
// - Escape and Ctrl+Tab (Ctrl+Shift+Tab) move the focus on (back), so the widget is no trap.
// Every change is framed by changeStarting() and changeFinished(), a drag from press to release
// as one change, so that the tab can make one undo step of it. The frame follows the widget's
// size, and the editor's points with it.
class CurveEditorView : public QWidget {
    Q_OBJECT

public:
    // Room around the frame: points on its edges are drawn whole, and a point can be dragged
    // out of the frame while the pointer is still over the widget.
    static constexpr int margin = 10;

    explicit CurveEditorView(CurveEditor& editor, QWidget* parent = nullptr);

    // The colour of the edited curve (the edited channel's ink).
    void setLineColor(const QColor& color);
    QColor lineColor() const { return lineColor_; }

    // Between widget positions (as mouse events give them) and the editor's coordinates.
    Point editorPoint(const QPointF& position) const;
    QPointF widgetPosition(Point point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The editor is about to change: its state now is the one an undo returns to.
    void changeStarting();
    // The change is complete; `what` names it for the Edit menu ("Move Point").
    void changeFinished(const QString& what);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void change(const QString& what, const std::function<void()>& action);

    CurveEditor& editor_;
    QColor lineColor_ = Qt::black;
    bool dragging_ = false;
};

}  // namespace sg
