#include "App/RangeSlider.h"

#include <algorithm>
#include <cmath>

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "Common/Numbers.h"

namespace sg {
namespace {

constexpr double handleWidth = 14.0;
constexpr double handleHeight = 24.0;
constexpr double circularDiameter = 20.0;
constexpr double barHeight = 12.0;
constexpr double keyboardLevels = 255.0;
constexpr double disabledSaturation = 0.65;
constexpr double disabledGradientAlpha = 0.65;

QColor rgba(double red, double green, double blue, double alpha) {
    return QColor::fromRgbF(static_cast<float>(red), static_cast<float>(green),
                            static_cast<float>(blue), static_cast<float>(alpha));
}

}  // namespace

RangeSlider::RangeSlider(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setToolTip(
        tr("Drag a handle, or click the bar to move the nearer handle there.\n"
           "Left/Right arrow keys move the handle used last by one level."));
}

void RangeSlider::setRange(double minValue, double maxValue) {
    minValue_ = minValue;
    maxValue_ = maxValue;
}

void RangeSlider::setColorStyle(RangeSliderColorStyle style) {
    colorStyle_ = style;
    update();
}

void RangeSlider::setKnobStyle(RangeSliderKnobStyle style) {
    knobStyle_ = style;
    update();
}

void RangeSlider::setSelection(SelectionRange selection) {
    SelectionRange next{clampedFraction(selection.start), clampedFraction(selection.end)};
    if (next.start > next.end) {
        std::swap(next.start, next.end);
    }
    if (next == selection_) {
        return;
    }
    selection_ = next;
    update();
    emit selectionChanged();
}

double RangeSlider::start() const {
    return minValue_ + (maxValue_ - minValue_) * selection_.start;
}

double RangeSlider::end() const {
    return minValue_ + (maxValue_ - minValue_) * selection_.end;
}

QColor RangeSlider::styled(QColor color, bool gradient) const {
    if (isEnabled()) {
        return color;
    }
    float hue = 0;
    float saturation = 0;
    float value = 0;
    float alpha = 0;
    color.getHsvF(&hue, &saturation, &value, &alpha);
    const auto paler = static_cast<float>(saturation * disabledSaturation);
    const float newAlpha = gradient ? static_cast<float>(disabledGradientAlpha) : alpha;
    return QColor::fromHsvF(hue, paler, value, newAlpha);
}

QColor RangeSlider::gradientStartColor() const {
    return styled(colorStyle_ == RangeSliderColorStyle::grayscale
                      ? rgba(1.0, 1.0, 1.0, 0.95)
                      : rgba(76.0 / 255.0, 187.0 / 255.0, 251.0 / 255.0, 1.0),
                  true);
}

QColor RangeSlider::gradientEndColor() const {
    return styled(colorStyle_ == RangeSliderColorStyle::grayscale
                      ? rgba(0.0, 0.0, 0.0, 0.95)
                      : rgba(20.0 / 255.0, 133.0 / 255.0, 243.0 / 255.0, 1.0),
                  true);
}

QColor RangeSlider::fillColor() const {
    return styled(colorStyle_ == RangeSliderColorStyle::grayscale
                      ? rgba(0.8, 0.8, 0.8, 0.7)
                      : rgba(12.0 / 255.0, 118.0 / 255.0, 227.0 / 255.0, 0.7),
                  false);
}

double RangeSlider::barLeft() const {
    return handleWidth / 2.0 + 1.0;
}

double RangeSlider::barWidth() const {
    return std::max(1.0, width() - 2.0 * barLeft());
}

double RangeSlider::handleCenterX(DraggedSlider handle) const {
    const double fraction = handle == DraggedSlider::start ? selection_.start : selection_.end;
    return barLeft() + fraction * barWidth();
}

QRectF RangeSlider::barRect() const {
    return QRectF(barLeft(), (height() - barHeight) / 2.0, barWidth(), barHeight);
}

QRectF RangeSlider::handleRect(DraggedSlider handle) const {
    const bool circular = knobStyle_ == RangeSliderKnobStyle::circular;
    const double w = circular ? circularDiameter : handleWidth;
    const double h = circular ? circularDiameter : handleHeight;
    return QRectF(handleCenterX(handle) - w / 2.0, (height() - h) / 2.0, w, h);
}

QSize RangeSlider::sizeHint() const {
    return QSize(400, static_cast<int>(handleHeight) + 6);
}

QSize RangeSlider::minimumSizeHint() const {
    return QSize(120, static_cast<int>(handleHeight) + 6);
}

double RangeSlider::snapped(double fraction) const {
    const double span = maxValue_ - minValue_;
    if (!snapsToIntegers_ || !(std::abs(span) > 0.0)) {
        return fraction;
    }
    return std::round(fraction * span) / span;
}

void RangeSlider::moveHandle(DraggedSlider handle, double fraction) {
    const double f = clampedFraction(snapped(clampedFraction(fraction)));
    SelectionRange next = selection_;
    if (handle == DraggedSlider::start) {
        next.start = f;
        next.end = std::max(next.end, f);
    } else {
        next.end = f;
        next.start = std::min(next.start, f);
    }
    lastUsedHandle_ = handle;
    if (next == selection_) {
        return;
    }
    selection_ = next;
    update();
    emit selectionChanged();
}

void RangeSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPointF point = event->position();
    const double startCenter = handleCenterX(DraggedSlider::start);
    const double endCenter = handleCenterX(DraggedSlider::end);
    const bool onStart = handleRect(DraggedSlider::start).contains(point);
    const bool onEnd = handleRect(DraggedSlider::end).contains(point);

    std::optional<DraggedSlider> pressed;
    if (onStart && onEnd) {
        // Overlapping handles: the side of the press decides; on handles at the same place,
        // the one with room to move.
        const double middle = (startCenter + endCenter) / 2.0;
        if (point.x() < middle) {
            pressed = DraggedSlider::start;
        } else if (point.x() > middle) {
            pressed = DraggedSlider::end;
        } else {
            pressed = selection_.start < 0.5 ? DraggedSlider::end : DraggedSlider::start;
        }
    } else if (onStart) {
        pressed = DraggedSlider::start;
    } else if (onEnd) {
        pressed = DraggedSlider::end;
    } else if (allowClicksOnBarToMoveSliders_) {
        const double toStart = std::abs(point.x() - startCenter);
        const double toEnd = std::abs(point.x() - endCenter);
        pressed = toStart < toEnd ? DraggedSlider::start : DraggedSlider::end;
        moveHandle(*pressed, (point.x() - barLeft()) / barWidth());
    }
    currentSliderDragging_ = pressed;
    if (pressed) {
        lastUsedHandle_ = *pressed;
        update();
    }
    event->accept();
}

void RangeSlider::mouseMoveEvent(QMouseEvent* event) {
    if (!currentSliderDragging_) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    moveHandle(*currentSliderDragging_, (event->position().x() - barLeft()) / barWidth());
    event->accept();
}

void RangeSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (currentSliderDragging_) {
        currentSliderDragging_.reset();
        update();
    }
    event->accept();
}

void RangeSlider::keyPressEvent(QKeyEvent* event) {
    int direction = 0;
    if (event->key() == Qt::Key_Left) {
        direction = -1;
    } else if (event->key() == Qt::Key_Right) {
        direction = 1;
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    // One level of 255, or one whole value when snapping; from the nearest whole level, and
    // divided rather than multiplied by a step, so presses land exactly on k / levels.
    const double span = std::abs(maxValue_ - minValue_);
    const double levels = snapsToIntegers_ && span > 0.0 ? span : keyboardLevels;
    const double current =
        lastUsedHandle_ == DraggedSlider::start ? selection_.start : selection_.end;
    moveHandle(lastUsedHandle_, (std::round(current * levels) + direction) / levels);
    event->accept();
}

void RangeSlider::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        currentSliderDragging_.reset();
        update();
    }
    QWidget::changeEvent(event);
}

void RangeSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF bar = barRect();
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    gradient.setColorAt(0.0, gradientStartColor());
    gradient.setColorAt(1.0, gradientEndColor());
    QPainterPath barPath;
    barPath.addRoundedRect(bar, 3.0, 3.0);
    painter.fillPath(barPath, gradient);

    // The parts outside the selection are veiled, the selection framed.
    const double startX = handleCenterX(DraggedSlider::start);
    const double endX = handleCenterX(DraggedSlider::end);
    QColor veil = palette().color(QPalette::Window);
    veil.setAlphaF(0.6f);
    painter.save();
    painter.setClipPath(barPath);
    painter.fillRect(QRectF(bar.left(), bar.top(), startX - bar.left(), bar.height()), veil);
    painter.fillRect(QRectF(endX, bar.top(), bar.right() - endX, bar.height()), veil);
    painter.restore();
    const QColor frame =
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    painter.setPen(QPen(frame, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(bar, 3.0, 3.0);
    painter.setPen(QPen(fillColor().darker(130), 2.0));
    painter.drawRect(QRectF(startX, bar.top() - 1.0, endX - startX, bar.height() + 2.0));

    for (const DraggedSlider handle : {DraggedSlider::start, DraggedSlider::end}) {
        const QRectF knob = handleRect(handle).adjusted(1.0, 1.0, -1.0, -1.0);
        const bool active = hasFocus() && handle == lastUsedHandle_;
        painter.setPen(
            QPen(active ? palette().color(QPalette::Highlight) : frame, active ? 2.0 : 1.0));
        painter.setBrush(fillColor());
        if (knobStyle_ == RangeSliderKnobStyle::circular) {
            painter.drawEllipse(knob);
        } else {
            painter.drawRoundedRect(knob, 2.0, 2.0);
        }
        painter.setPen(QPen(frame, 1.0));
        const double x = knob.center().x();
        painter.drawLine(QPointF(x, knob.top() + 5.0), QPointF(x, knob.bottom() - 5.0));
    }
}

}  // namespace sg
