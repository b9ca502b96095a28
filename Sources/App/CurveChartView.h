#pragma once

#include <QChartView>
#include <QElapsedTimer>
#include <QImage>
#include <QList>
#include <QString>
#include <QTimer>

class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QGraphicsTextItem;
class QLineSeries;
class QValueAxis;

namespace sg {

class UiServices;

// What the app's line graphs share: a chart of its own without animation, zoom or rounded
// corners, a white plot area, value axes with whole-number labels, lines without point markers,
// a caption above the plot saying what it shows, a placeholder text inside the plot area for
// when there is nothing to show, a read-out of the values under the mouse, and a context menu
// with "Save Graph as PNG..." and "Copy Data as CSV".
//
// An axis too short for its labels (a graph in a small window) shows every second one.
//
// Lines that change again within moments of being drawn (a slider being dragged) are drawn
// without antialiasing, at a third of the cost, so the graph keeps up with the mouse; once
// they rest, they are drawn smooth again.
//
// The read-out and the CSV report the visible, named lines; they share one x grid (the point
// index), as every graph of the app draws its lines over the same input positions.
class CurveChartView : public QChartView {
    Q_OBJECT

public:
    void setPlaceholderText(const QString& text);
    QString placeholderText() const;
    bool isShowingPlaceholder() const;

    void setCaption(const QString& caption);
    QString caption() const;

    // The graph at twice its size on screen, as "Save Graph as PNG..." writes it.
    QImage graphImage();
    // A header line (the x axis title, then each line's name) and a row per point.
    QString csvText() const;
    // The two context menu actions.
    void saveGraphImage();
    void copyDataAsCsv() const;

    // The values under the mouse as the read-out shows them; empty while it is hidden.
    QString readoutText() const;
    // The read-out for the point at `position` (viewport coordinates, as mouse events give).
    void showReadoutAt(const QPoint& position);

signals:
    // What a saved graph image was written to.
    void statusMessage(const QString& text);

protected:
    CurveChartView(UiServices& ui, const QString& placeholderText, QWidget* parent = nullptr);

    // An axis from 0 to `maximum` with `tickCount` labels, added to the chart at `alignment`.
    QValueAxis* addAxis(const QString& title, double maximum, int tickCount,
                        Qt::Alignment alignment);
    // A new line in the chart, on the two axes.
    QLineSeries* addLine(QValueAxis* xAxis, QValueAxis* yAxis);
    void setPlaceholderVisible(bool visible);
    // How the read-out names the x value and the units after x and y ("Input", " %", " %").
    void setReadoutUnits(const QString& xName, const QString& xUnit, const QString& yUnit);

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QList<const QLineSeries*> reportedLines() const;
    void placePlaceholder();
    // Fewer labels on an axis too short for all of them, rather than labels cut to "...".
    void fitTickCounts();
    void drawQuicklyWhileChanging();
    void drawSmoothly();

    UiServices& ui_;
    QGraphicsRectItem* placeholderBox_;
    QGraphicsTextItem* placeholder_;
    QGraphicsRectItem* readoutBox_;
    QGraphicsSimpleTextItem* readout_;
    QString readoutXName_;
    QString readoutXUnit_;
    QString readoutYUnit_;
    QElapsedTimer sinceLastPaint_;
    QTimer settled_;
};

}  // namespace sg
