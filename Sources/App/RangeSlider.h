#pragma once

#include <optional>

#include <QColor>
#include <QWidget>

namespace sg {

enum class RangeSliderColorStyle { grayscale, aqua };
enum class RangeSliderKnobStyle { square, circular };
enum class DraggedSlider { start, end };

// Handle positions as fractions 0..1 of the bar, start <= end.
struct SelectionRange {
    double start = 0.0;
    double end = 1.0;

    friend bool operator==(const SelectionRange&, const SelectionRange&) = default;
};

// A slider with two handles choosing a range. The selection is kept as fractions of the bar;
// start(), end() and length() map it onto minValue..maxValue. A click on the bar moves the
// nearer handle there (the end handle on a tie); dragging the start past the end pushes the
// end along, and the other way round. Left/Right arrow keys move the handle used last by one
// 255th of the bar (one whole value when snapping). While disabled it takes no input and
// draws in paler colours.
class RangeSlider : public QWidget {
    Q_OBJECT

public:
    explicit RangeSlider(QWidget* parent = nullptr);

    double minValue() const { return minValue_; }
    double maxValue() const { return maxValue_; }
    void setRange(double minValue, double maxValue);

    bool snapsToIntegers() const { return snapsToIntegers_; }
    void setSnapsToIntegers(bool snaps) { snapsToIntegers_ = snaps; }

    bool allowClicksOnBarToMoveSliders() const { return allowClicksOnBarToMoveSliders_; }
    void setAllowClicksOnBarToMoveSliders(bool allow) { allowClicksOnBarToMoveSliders_ = allow; }

    RangeSliderColorStyle colorStyle() const { return colorStyle_; }
    void setColorStyle(RangeSliderColorStyle style);

    RangeSliderKnobStyle knobStyle() const { return knobStyle_; }
    void setKnobStyle(RangeSliderKnobStyle style);

    SelectionRange selection() const { return selection_; }
    // Clamps both ends to 0..1 and orders them; emits selectionChanged when they changed.
    void setSelection(SelectionRange selection);

    // The selection mapped onto minValue..maxValue.
    double start() const;
    double end() const;
    double length() const { return end() - start(); }

    std::optional<DraggedSlider> currentSliderDragging() const { return currentSliderDragging_; }

    // The colours of the current style and state, as drawn.
    QColor gradientStartColor() const;
    QColor gradientEndColor() const;
    QColor fillColor() const;

    // Geometry, in widget coordinates: the bar's horizontal extent and a handle's centre.
    double barLeft() const;
    double barWidth() const;
    double handleCenterX(DraggedSlider handle) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // After the start or the end actually changed.
    void selectionChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QRectF handleRect(DraggedSlider handle) const;
    QRectF barRect() const;
    double snapped(double fraction) const;
    void moveHandle(DraggedSlider handle, double fraction);
    QColor styled(QColor color, bool gradient) const;

    double minValue_ = 0.0;
    double maxValue_ = 1.0;
    bool snapsToIntegers_ = false;
    bool allowClicksOnBarToMoveSliders_ = true;
    RangeSliderColorStyle colorStyle_ = RangeSliderColorStyle::grayscale;
    RangeSliderKnobStyle knobStyle_ = RangeSliderKnobStyle::square;
    SelectionRange selection_;
    std::optional<DraggedSlider> currentSliderDragging_;
    DraggedSlider lastUsedHandle_ = DraggedSlider::start;
};

}  // namespace sg
