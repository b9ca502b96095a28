#include "App/CurveEditorView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "CurveTools/CurveEditor.h"

namespace sg {
namespace {

QPointF toQt(Point point) {
    return {point.x, point.y};
}

const QColor referenceGray(175, 175, 175);

}  // namespace

CurveEditorView::CurveEditorView(CurveEditor& editor, QWidget* parent)
    : QWidget(parent), editor_(editor) {
    setFocusPolicy(Qt::StrongFocus);
    // Right-button events come here as presses and releases, never as a context menu.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(tr("Curve editing area"));
    setToolTip(
        tr("Input from paper white (left) to maximum black (right), ink from none (bottom) to "
           "full (top); the channel as loaded is drawn in gray.\nDrag a point to move it, drag "
           "it out of the frame to remove it, right-click to add one.\nTab and Shift+Tab "
           "choose a point, the arrows move it (Shift: 10 steps), Delete removes it; Esc "
           "leaves the curve."));
}

void CurveEditorView::setLineColor(const QColor& color) {
    lineColor_ = color;
    update();
}

Point CurveEditorView::editorPoint(const QPointF& position) const {
    return {position.x() - margin, height() - margin - position.y()};
}

QPointF CurveEditorView::widgetPosition(Point point) const {
    return {point.x + margin, height() - margin - point.y};
}

QSize CurveEditorView::sizeHint() const {
    return {520, 360};
}

QSize CurveEditorView::minimumSizeHint() const {
    return {240, 160};
}

void CurveEditorView::resizeEvent(QResizeEvent* event) {
    editor_.setViewSize(width() - 2.0 * margin, height() - 2.0 * margin);
    QWidget::resizeEvent(event);
}

void CurveEditorView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().window());
    const QRectF frame(margin, margin, width() - 2.0 * margin, height() - 2.0 * margin);
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 2.0));
        painter.drawRect(frame.adjusted(-4.0, -4.0, 4.0, 4.0));
    }
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(Qt::white);
    painter.drawRect(frame);

    // From here on in the editor's coordinates: origin at the frame's bottom left, y up.
    painter.translate(margin, height() - margin);
    painter.scale(1.0, -1.0);
    const CurveEditorDrawing drawing = editor_.drawing();
    painter.setBrush(Qt::NoBrush);
    if (!drawing.referencePolyline.empty()) {
        QPolygonF reference;
        for (const Point point : drawing.referencePolyline) {
            reference << toQt(point);
        }
        painter.setPen(QPen(referenceGray, 1.0));
        painter.drawPolyline(reference);
    }

    const std::vector<Point>& points = drawing.curvePoints;
    if (!points.empty()) {
        QPainterPath curve(toQt(points.front()));
        if (drawing.segments.empty()) {
            curve.lineTo(toQt(points.back()));
        }
        for (std::size_t i = 0; i < drawing.segments.size() && i + 1 < points.size(); ++i) {
            curve.cubicTo(toQt(drawing.segments[i].controlPoint1),
                          toQt(drawing.segments[i].controlPoint2), toQt(points[i + 1]));
        }
        painter.setPen(QPen(lineColor_, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(curve);
        painter.setPen(QPen(lineColor_, 1.5));
        painter.setBrush(Qt::white);
        for (const Point point : points) {
            painter.drawEllipse(toQt(point), 2.5, 2.5);
        }
    }
    if (drawing.activePoint) {
        painter.setPen(QPen(Qt::black, 1.0));
        painter.setBrush(Qt::black);
        painter.drawEllipse(toQt(*drawing.activePoint), 3.5, 3.5);
    }
}

void CurveEditorView::change(const QString& what, const std::function<void()>& action) {
    emit changeStarting();
    action();
    update();
    emit changeFinished(what);
}

void CurveEditorView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || dragging_) {
        return;
    }
    dragging_ = true;
    emit changeStarting();
    editor_.press(editorPoint(event->position()));
    update();
}

void CurveEditorView::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        editor_.drag(editorPoint(event->position()));
        update();
    }
}

void CurveEditorView::mouseReleaseEvent(QMouseEvent* event) {
    const Point location = editorPoint(event->position());
    if (event->button() == Qt::RightButton) {
        if (!dragging_) {
            change(tr("Add Point"), [&] { editor_.insertPoint(location); });
        }
        return;
    }
    if (event->button() != Qt::LeftButton || !dragging_) {
        return;
    }
    dragging_ = false;
    const std::size_t count = editor_.editPoints().size();
    editor_.release(location);
    update();
    emit changeFinished(editor_.editPoints().size() < count ? tr("Remove Point")
                                                            : tr("Move Point"));
}

bool CurveEditorView::event(QEvent* event) {
    // Tab and Shift+Tab choose points here; the base class would move the focus on.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::event(event);
}

void CurveEditorView::keyPressEvent(QKeyEvent* event) {
    if (dragging_) {
        QWidget::keyPressEvent(event);
        return;
    }
    const bool shift = (event->modifiers() & Qt::ShiftModifier) != 0;
    const bool control = (event->modifiers() & Qt::ControlModifier) != 0;
    const auto nudge = [this, shift](ArrowKey key) {
        change(tr("Nudge Point"), [this, key, shift] { editor_.nudge(key, shift); });
    };
    switch (event->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab: {
            const bool backwards = event->key() == Qt::Key_Backtab || shift;
            if (control) {
                focusNextPrevChild(!backwards);
            } else if (backwards) {
                change(tr("Choose Point"), [this] { editor_.selectPreviousPoint(); });
            } else {
                change(tr("Choose Point"), [this] { editor_.selectNextPoint(); });
            }
            break;
        }
        case Qt::Key_Escape:
            focusNextPrevChild(true);
            break;
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            change(tr("Delete Point"), [this] { editor_.deleteEditingPoint(); });
            break;
        case Qt::Key_Left:
            nudge(ArrowKey::left);
            break;
        case Qt::Key_Right:
            nudge(ArrowKey::right);
            break;
        case Qt::Key_Up:
            nudge(ArrowKey::up);
            break;
        case Qt::Key_Down:
            nudge(ArrowKey::down);
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void CurveEditorView::focusInEvent(QFocusEvent* event) {
    update();  // the focus ring
    QWidget::focusInEvent(event);
}

void CurveEditorView::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

}  // namespace sg
