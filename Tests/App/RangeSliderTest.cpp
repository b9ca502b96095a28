#include <QSignalSpy>
#include <QTest>

#include "App/RangeSlider.h"
#include "CurveTools/CurveLimiter.h"

using sg::DraggedSlider;
using sg::RangeSlider;
using sg::RangeSliderColorStyle;
using sg::SelectionRange;

namespace {

// The bar starts 8 pixels in; 271 pixels wide gives a bar of 255 pixels, so mouse positions
// are given in levels: level k is pixel 8 + k, fraction k / 255.
constexpr int barLeft = 8;

double lv(int level) {
    return level / 255.0;
}

}  // namespace

class RangeSliderTest : public QObject {
    Q_OBJECT

private:
    RangeSlider* slider = nullptr;
    QSignalSpy* changes = nullptr;

    static QPoint at(int level) { return QPoint(barLeft + level, 15); }
    void press(int level) { QTest::mousePress(slider, Qt::LeftButton, {}, at(level)); }
    void move(int level) { QTest::mouseMove(slider, at(level)); }
    void release(int level) { QTest::mouseRelease(slider, Qt::LeftButton, {}, at(level)); }
    bool selected(double start, double end) const {
        return slider->selection() == SelectionRange{start, end};
    }

private slots:
    void init() {
        slider = new RangeSlider;
        slider->resize(barLeft * 2 + 255, 30);
        slider->show();
        QVERIFY(QTest::qWaitForWindowExposed(slider));
        QCOMPARE(slider->barWidth(), 255.0);
        QVERIFY(selected(0.0, 1.0));
        changes = new QSignalSpy(slider, &RangeSlider::selectionChanged);
    }

    void cleanup() {
        delete changes;
        delete slider;
    }

    void draggingPushesTheOtherHandleAlong() {
        slider->setSelection({lv(51), lv(102)});
        changes->clear();
        press(51);
        QVERIFY(slider->currentSliderDragging() == DraggedSlider::start);
        QCOMPARE(changes->count(), 0);  // pressing a handle moves nothing
        move(153);
        QVERIFY(selected(lv(153), lv(153)));
        move(25);
        QVERIFY(selected(lv(25), lv(153)));
        release(25);
        QVERIFY(!slider->currentSliderDragging());
        QCOMPARE(changes->count(), 2);
        move(230);  // after the release nothing drags
        QVERIFY(selected(lv(25), lv(153)));

        press(153);
        QVERIFY(slider->currentSliderDragging() == DraggedSlider::end);
        move(10);
        QVERIFY(selected(lv(10), lv(10)));
        // Past the bar's ends the handle stops at 0 and 1.
        QTest::mouseMove(slider, QPoint(-40, 15));
        QVERIFY(selected(0.0, 0.0));
        QTest::mouseMove(slider, QPoint(600, 15));
        QVERIFY(selected(0.0, 1.0));
        release(255);
    }

    void clickOnTheBarMovesTheNearerHandle() {
        slider->setSelection({lv(51), lv(204)});
        changes->clear();
        press(76);
        QVERIFY(selected(lv(76), lv(204)));
        QVERIFY(slider->currentSliderDragging() == DraggedSlider::start);
        move(89);
        QVERIFY(selected(lv(89), lv(204)));
        release(89);
        QCOMPARE(changes->count(), 2);
        // Halfway between the two centres the end handle wins.
        slider->setSelection({lv(51), lv(153)});
        press(102);
        QVERIFY(selected(lv(51), lv(102)));
        QVERIFY(slider->currentSliderDragging() == DraggedSlider::end);
        release(102);

        slider->setAllowClicksOnBarToMoveSliders(false);
        changes->clear();
        press(127);
        move(140);
        release(140);
        QVERIFY(selected(lv(51), lv(102)));
        QCOMPARE(changes->count(), 0);
    }

    void handlesAtOnePlaceGiveTheOneWithRoom() {
        for (const int level : {0, 255}) {
            slider->setSelection({lv(level), lv(level)});
            press(level);
            move(127);
            QVERIFY(level == 0 ? selected(0.0, lv(127)) : selected(lv(127), 1.0));
            release(127);
        }
    }

    void snappingToWholeValues() {
        slider->setRange(0.0, 10.0);
        slider->setSnapsToIntegers(true);
        press(255);
        move(84);  // 3.29
        QCOMPARE(slider->selection().end, 0.3);
        move(92);  // 3.61
        QCOMPARE(slider->end(), 4.0);
        release(92);
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Right);  // one whole value
        QCOMPARE(slider->end(), 5.0);
        QCOMPARE(slider->length(), 5.0);
    }

    void arrowKeysMoveTheHandleUsedLastByOneLevel() {
        slider->setFocus();
        for (int level = 1; level <= 255; ++level) {
            QTest::keyClick(slider, Qt::Key_Right);
            // Every press reaches exactly the next level of the tool's start limit.
            QCOMPARE(sg::CurveLimiter::lowLevelForSelection(slider->selection().start), level);
        }
        QTest::keyClick(slider, Qt::Key_Right);  // at the end: no notification
        QCOMPARE(changes->count(), 255);
        slider->setSelection({0.5, 1.0});
        press(255);
        release(255);
        QTest::keyClick(slider, Qt::Key_Left);
        QVERIFY(selected(0.5, lv(254)));
    }

    void coloursByStyleAndPaledWhenDisabled() {
        const QColor grayscale = slider->gradientStartColor();
        slider->setColorStyle(RangeSliderColorStyle::aqua);
        const QColor start = slider->gradientStartColor();
        const QColor fill = slider->fillColor();
        QVERIFY(start != grayscale);
        slider->setEnabled(false);
        QVERIFY(std::abs(slider->gradientStartColor().hsvSaturationF() -
                         start.hsvSaturationF() * 0.65) < 0.01);
        QVERIFY(std::abs(slider->gradientEndColor().alphaF() - 0.65) < 0.01);
        QVERIFY(std::abs(slider->fillColor().hsvSaturationF() - fill.hsvSaturationF() * 0.65) <
                0.01);
        QVERIFY(std::abs(slider->fillColor().alphaF() - fill.alphaF()) < 0.01);

        // Disabled, it takes no input.
        press(127);
        move(153);
        release(153);
        QTest::keyClick(slider, Qt::Key_Left);
        QVERIFY(selected(0.0, 1.0));
        QCOMPARE(changes->count(), 0);
    }

    void programmaticSelectionIsClampedOrderedAndNotifiedOnChange() {
        slider->setRange(10.0, 20.0);
        slider->setSelection({0.7, 0.3});
        QVERIFY(selected(0.3, 0.7));
        QCOMPARE(slider->start(), 13.0);
        QCOMPARE(slider->end(), 17.0);
        slider->setSelection({0.3, 0.7});
        QCOMPARE(changes->count(), 1);
        slider->setSelection({-2.0, 5.0});
        QVERIFY(selected(0.0, 1.0));
        QCOMPARE(changes->count(), 2);
    }
};

QTEST_MAIN(RangeSliderTest)
#include "RangeSliderTest.moc"
