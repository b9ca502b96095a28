#include "App/InkCurveChart.h"

#include <QChart>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

namespace sg {
namespace {

constexpr double inputPercentPerLevel = 2.55;
constexpr double inkValuePerPercent = 655.35;

QValueAxis* makePercentAxis(const QString& title) {
    auto* axis = new QValueAxis;
    axis->setRange(0.0, 100.0);
    axis->setTickCount(11);
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setTitleText(title);
    return axis;
}

}  // namespace

// The chart is given to the base class's constructor: setChart() would leave the view's
// default chart behind without an owner.
InkCurveChart::InkCurveChart(const QString& placeholderText, QWidget* parent)
    : QChartView(new QChart, parent),
      xAxis_(makePercentAxis(tr("Input (%)"))),
      leftAxis_(makePercentAxis(tr("Ink (%)"))),
      rightAxis_(makePercentAxis(tr("Ink (%)"))) {
    QChart* chart = this->chart();
    chart->setTitle(QString());
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setPlotAreaBackgroundVisible(true);
    chart->setPlotAreaBackgroundBrush(Qt::white);
    chart->setBackgroundRoundness(0);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->addAxis(xAxis_, Qt::AlignBottom);
    chart->addAxis(leftAxis_, Qt::AlignLeft);
    chart->addAxis(rightAxis_, Qt::AlignRight);
    setRubberBand(QChartView::NoRubberBand);
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(420, 300);

    // The text sits on a white box so that no grid line runs through it.
    placeholderBox_ = new QGraphicsRectItem(chart);
    placeholderBox_->setBrush(Qt::white);
    placeholderBox_->setPen(Qt::NoPen);
    placeholderBox_->setZValue(100.0);  // above the grid
    placeholder_ = new QGraphicsSimpleTextItem(placeholderText, placeholderBox_);
    QFont font = placeholder_->font();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    placeholder_->setFont(font);
    placeholder_->setBrush(QColor(110, 110, 110));
    connect(chart, &QChart::plotAreaChanged, this, [this] { placePlaceholder(); });
    placePlaceholder();
}

void InkCurveChart::setCurve(const std::vector<std::vector<double>>& curve) {
    setCurve(curve, {});
}

void InkCurveChart::setCurve(const std::vector<std::vector<double>>& curve,
                             const std::vector<InkSeriesStyle>& styles) {
    curve_ = curve;
    styles_ = styles;
    redraw();
}

void InkCurveChart::setShowFlags(const std::vector<bool>& showFlags) {
    showFlags_ = showFlags;
    redraw();
}

void InkCurveChart::clearCurve() {
    curve_.clear();
    styles_.clear();
    redraw();
}

void InkCurveChart::setPlaceholderText(const QString& text) {
    placeholder_->setText(text);
    placePlaceholder();
}

QString InkCurveChart::placeholderText() const {
    return placeholder_->text();
}

bool InkCurveChart::isShowingPlaceholder() const {
    return placeholderBox_->isVisible();
}

void InkCurveChart::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    placePlaceholder();
}

void InkCurveChart::redraw() {
    // Lines are added or removed only when the channel count changes.
    while (series_.size() > static_cast<qsizetype>(curve_.size())) {
        QLineSeries* extra = series_.takeLast();
        chart()->removeSeries(extra);
        delete extra;
    }
    while (series_.size() < static_cast<qsizetype>(curve_.size())) {
        auto* line = new QLineSeries;
        line->setPointsVisible(false);
        line->setPointLabelsVisible(false);
        chart()->addSeries(line);
        line->attachAxis(xAxis_);
        line->attachAxis(leftAxis_);
        series_.append(line);
    }

    for (std::size_t channel = 0; channel < curve_.size(); ++channel) {
        QLineSeries* line = series_[static_cast<qsizetype>(channel)];
        const InkSeriesStyle style =
            channel < styles_.size() ? styles_[channel] : channelSeriesStyle(channel);
        if (line->name() != style.label) {
            line->setName(style.label);
        }
        QPen pen(style.color, 2.0);
        if (line->pen() != pen) {
            line->setPen(pen);
        }

        const bool shown = channel >= showFlags_.size() || showFlags_[channel];
        const std::vector<double>& values = curve_[channel];
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(values.size()));
        for (std::size_t i = 0; i < values.size(); ++i) {
            points.append(QPointF(static_cast<double>(i) / inputPercentPerLevel,
                                  shown ? values[i] / inkValuePerPercent : 0.0));
        }
        line->replace(points);
    }
    placeholderBox_->setVisible(curve_.empty());
}

void InkCurveChart::placePlaceholder() {
    const QRectF area = chart()->plotArea();
    const QRectF text = placeholder_->boundingRect();
    const QRectF box = text.adjusted(-10.0, -6.0, 10.0, 6.0);
    placeholderBox_->setRect(box);
    placeholderBox_->setPos(area.center() - box.center());
}

}  // namespace sg
