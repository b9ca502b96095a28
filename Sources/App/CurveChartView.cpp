#include "App/CurveChartView.h"

#include <algorithm>

#include <QApplication>
#include <QChart>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QLineSeries>
#include <QMenu>
#include <QPainter>
#include <QTextDocument>
#include <QTextOption>
#include <QValueAxis>

#include "App/UiServices.h"

namespace sg {
namespace {

constexpr double imageScale = 2.0;
// How long lines must rest before they are drawn smooth again, and how soon after a paint a
// change counts as part of a drag.
constexpr int settleMilliseconds = 150;
// The tick count an axis has when there is room for it.
const char* const fullTickCount = "fullTickCount";

// The point of a line whose x is nearest to `x`; the lines' points rise in x.
QPointF nearestPoint(const QLineSeries* line, double x) {
    const QList<QPointF> points = line->points();
    const auto after =
        std::lower_bound(points.begin(), points.end(), x,
                         [](const QPointF& p, double value) { return p.x() < value; });
    if (after == points.begin()) {
        return *after;
    }
    if (after == points.end() || x - (after - 1)->x() < after->x() - x) {
        return *(after - 1);
    }
    return *after;
}

QString csvNumber(double value) {
    return QString::number(value, 'f', 3);
}

}  // namespace

// The chart is given to the base class's constructor: setChart() would leave the view's
// default chart behind without an owner.
CurveChartView::CurveChartView(UiServices& ui, const QString& placeholderText, QWidget* parent)
    : QChartView(new QChart, parent), ui_(ui) {
    QChart* chart = this->chart();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setPlotAreaBackgroundVisible(true);
    chart->setPlotAreaBackgroundBrush(Qt::white);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 2, 4, 2));
    QFont captionFont = font();
    captionFont.setBold(true);
    chart->setTitleFont(captionFont);
    setRubberBand(QChartView::NoRubberBand);
    setRenderHint(QPainter::Antialiasing);
    settled_.setSingleShot(true);
    settled_.setInterval(settleMilliseconds);
    connect(&settled_, &QTimer::timeout, this, &CurveChartView::drawSmoothly);
    // Nothing in a graph reacts to keys, so it takes no place in the tab order.
    setFocusPolicy(Qt::NoFocus);
    setMinimumSize(320, 220);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);

    // The text sits on a white box above the grid, inside the plot area, so that neither a
    // grid line nor an axis label is covered or runs through it.
    placeholderBox_ = new QGraphicsRectItem(chart);
    placeholderBox_->setBrush(Qt::white);
    placeholderBox_->setPen(Qt::NoPen);
    placeholderBox_->setZValue(100.0);
    placeholder_ = new QGraphicsTextItem(placeholderText, placeholderBox_);
    QFont placeholderFont = font();
    placeholderFont.setPointSizeF(placeholderFont.pointSizeF() * 1.2);
    placeholder_->setFont(placeholderFont);
    placeholder_->setDefaultTextColor(QColor(100, 100, 100));
    QTextOption centred(Qt::AlignHCenter);
    centred.setWrapMode(QTextOption::WordWrap);
    placeholder_->document()->setDefaultTextOption(centred);

    readoutBox_ = new QGraphicsRectItem(chart);
    readoutBox_->setBrush(QColor(255, 255, 255, 230));
    readoutBox_->setPen(QPen(QColor(160, 160, 160)));
    readoutBox_->setZValue(110.0);
    readoutBox_->setVisible(false);
    readout_ = new QGraphicsSimpleTextItem(readoutBox_);

    connect(chart, &QChart::plotAreaChanged, this, [this] {
        fitTickCounts();
        placePlaceholder();
    });
    placePlaceholder();
}

void CurveChartView::setPlaceholderText(const QString& text) {
    placeholder_->setPlainText(text);
    placePlaceholder();
}

QString CurveChartView::placeholderText() const {
    return placeholder_->toPlainText();
}

bool CurveChartView::isShowingPlaceholder() const {
    return placeholderBox_->isVisible();
}

void CurveChartView::setCaption(const QString& caption) {
    chart()->setTitle(caption);
}

QString CurveChartView::caption() const {
    return chart()->title();
}

QValueAxis* CurveChartView::addAxis(const QString& title, double maximum, int tickCount,
                                    Qt::Alignment alignment) {
    auto* axis = new QValueAxis;
    axis->setRange(0.0, maximum);
    axis->setTickCount(tickCount);
    axis->setProperty(fullTickCount, tickCount);
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setTitleText(title);
    chart()->addAxis(axis, alignment);
    return axis;
}

QLineSeries* CurveChartView::addLine(QValueAxis* xAxis, QValueAxis* yAxis) {
    auto* line = new QLineSeries;
    line->setPointsVisible(false);
    line->setPointLabelsVisible(false);
    chart()->addSeries(line);
    line->attachAxis(xAxis);
    line->attachAxis(yAxis);
    connect(line, &QXYSeries::pointsReplaced, this, &CurveChartView::drawQuicklyWhileChanging);
    return line;
}

void CurveChartView::drawQuicklyWhileChanging() {
    if (sinceLastPaint_.isValid() && sinceLastPaint_.elapsed() < settleMilliseconds) {
        setRenderHint(QPainter::Antialiasing, false);
        settled_.start();
    }
}

void CurveChartView::drawSmoothly() {
    setRenderHint(QPainter::Antialiasing, true);
    viewport()->update();
}

void CurveChartView::paintEvent(QPaintEvent* event) {
    QChartView::paintEvent(event);
    sinceLastPaint_.start();
}

void CurveChartView::setPlaceholderVisible(bool visible) {
    placeholderBox_->setVisible(visible);
    if (visible) {
        readoutBox_->setVisible(false);
    }
}

void CurveChartView::setReadoutUnits(const QString& xName, const QString& xUnit,
                                     const QString& yUnit) {
    readoutXName_ = xName;
    readoutXUnit_ = xUnit;
    readoutYUnit_ = yUnit;
}

void CurveChartView::fitTickCounts() {
    const QRectF plot = chart()->plotArea();
    const QFontMetrics metrics(font());
    for (QAbstractAxis* abstractAxis : chart()->axes()) {
        auto* axis = qobject_cast<QValueAxis*>(abstractAxis);
        const int full = axis != nullptr ? axis->property(fullTickCount).toInt() : 0;
        if (full < 3) {
            continue;
        }
        const bool vertical = axis->orientation() == Qt::Vertical;
        const double room = vertical ? plot.height() : plot.width();
        const double label = vertical ? 1.6 * metrics.height()
                                      : 2.0 * metrics.horizontalAdvance(QStringLiteral("100"));
        const int ticks = room / (full - 1) >= label ? full : (full - 1) / 2 + 1;
        if (axis->tickCount() != ticks) {
            axis->setTickCount(ticks);
        }
    }
}

void CurveChartView::placePlaceholder() {
    const QRectF plot = chart()->plotArea();
    constexpr double padding = 8.0;
    placeholder_->setTextWidth(-1.0);
    const double natural = placeholder_->boundingRect().width();
    placeholder_->setTextWidth(std::max(40.0, std::min(natural, plot.width() - 4.0 * padding)));
    const QRectF text = placeholder_->boundingRect();
    placeholderBox_->setRect(text.adjusted(-padding, -padding / 2.0, padding, padding / 2.0));
    placeholderBox_->setPos(plot.center() - text.center());
}

QList<const QLineSeries*> CurveChartView::reportedLines() const {
    QList<const QLineSeries*> lines;
    for (const QAbstractSeries* series : chart()->series()) {
        const auto* line = qobject_cast<const QLineSeries*>(series);
        if (line != nullptr && line->type() == QAbstractSeries::SeriesTypeLine &&
            line->isVisible() && !line->name().isEmpty() && line->count() > 0) {
            lines << line;
        }
    }
    return lines;
}

QString CurveChartView::readoutText() const {
    return readoutBox_->isVisible() ? readout_->text() : QString();
}

void CurveChartView::showReadoutAt(const QPoint& position) {
    const QList<const QLineSeries*> lines = reportedLines();
    const QPointF inChart = chart()->mapFromScene(mapToScene(position));
    if (isShowingPlaceholder() || lines.isEmpty() || !chart()->plotArea().contains(inChart)) {
        readoutBox_->setVisible(false);
        return;
    }
    const double x = chart()->mapToValue(inChart, chart()->series().constFirst()).x();
    QStringList parts{QStringLiteral("%1 %2%3")
                          .arg(readoutXName_)
                          .arg(nearestPoint(lines.constFirst(), x).x(), 0, 'f', 1)
                          .arg(readoutXUnit_)};
    for (const QLineSeries* line : lines) {
        parts << QStringLiteral("%1 %2%3")
                     .arg(line->name())
                     .arg(nearestPoint(line, x).y(), 0, 'f', 1)
                     .arg(readoutYUnit_);
    }
    // One line when it fits the plot, else one value a line.
    const QRectF plot = chart()->plotArea();
    readout_->setText(parts.join(QStringLiteral("   ")));
    if (readout_->boundingRect().width() > plot.width() / 2.0) {
        readout_->setText(parts.join('\n'));
    }
    const QRectF text = readout_->boundingRect().adjusted(-4.0, -2.0, 4.0, 2.0);
    readoutBox_->setRect(text);
    // Beside the mouse, on the side where it stays inside the plot.
    constexpr double offset = 14.0;
    QPointF corner = inChart + QPointF(offset, offset);
    if (corner.x() + text.width() > plot.right()) {
        corner.setX(inChart.x() - offset - text.width());
    }
    if (corner.y() + text.height() > plot.bottom()) {
        corner.setY(inChart.y() - offset - text.height());
    }
    readoutBox_->setPos(corner - text.topLeft());
    readoutBox_->setVisible(true);
}

void CurveChartView::mouseMoveEvent(QMouseEvent* event) {
    showReadoutAt(event->position().toPoint());
    QChartView::mouseMoveEvent(event);
}

void CurveChartView::leaveEvent(QEvent* event) {
    readoutBox_->setVisible(false);
    QChartView::leaveEvent(event);
}

void CurveChartView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(tr("Save Graph as PNG..."), this, &CurveChartView::saveGraphImage);
    menu.addAction(tr("Copy Data as CSV"), this, &CurveChartView::copyDataAsCsv)
        ->setEnabled(!reportedLines().isEmpty());
    menu.exec(event->globalPos());
}

QImage CurveChartView::graphImage() {
    const bool readoutShown = readoutBox_->isVisible();
    readoutBox_->setVisible(false);
    QImage image(size() * imageScale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(imageScale);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        render(&painter, QRectF(QPointF(0.0, 0.0), QSizeF(size())), viewport()->rect());
    }
    readoutBox_->setVisible(readoutShown);
    return image;
}

void CurveChartView::saveGraphImage() {
    const QString suggested = (caption().isEmpty() ? tr("Graph") : caption()) + ".png";
    const std::optional<QString> path =
        ui_.chooseFileToSave(FileKind::image, tr("Save the graph as PNG"), suggested);
    if (!path) {
        return;
    }
    if (!graphImage().save(*path, "PNG")) {
        ui_.showAlert(Alert{"Failed to Save",
                            "The graph could not be written to " + path->toStdString() + "."});
        return;
    }
    emit statusMessage(
        tr("Saved %1 to %2")
            .arg(QFileInfo(*path).fileName(), folderDisplayName(QFileInfo(*path).path())));
}

QString CurveChartView::csvText() const {
    const QList<const QLineSeries*> lines = reportedLines();
    if (lines.isEmpty()) {
        return {};
    }
    const auto* xAxis = qobject_cast<const QValueAxis*>(chart()->axes(Qt::Horizontal).value(0));
    QStringList header{xAxis != nullptr ? xAxis->titleText() : QStringLiteral("x")};
    qsizetype rows = 0;
    for (const QLineSeries* line : lines) {
        header << line->name();
        rows = std::max(rows, static_cast<qsizetype>(line->count()));
    }
    QStringList text{header.join(',')};
    for (qsizetype row = 0; row < rows; ++row) {
        QStringList cells{QString()};
        for (const QLineSeries* line : lines) {
            if (row < line->count()) {
                cells.first() = csvNumber(line->at(row).x());
                cells << csvNumber(line->at(row).y());
            } else {
                cells << QString();
            }
        }
        text << cells.join(',');
    }
    return text.join('\n') + '\n';
}

void CurveChartView::copyDataAsCsv() const {
    QApplication::clipboard()->setText(csvText());
}

}  // namespace sg
