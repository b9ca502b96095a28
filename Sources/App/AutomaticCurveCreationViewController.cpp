#include "App/AutomaticCurveCreationViewController.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "App/FilePaths.h"
#include "App/InkCurveChart.h"
#include "App/InkLimitChart.h"
#include "App/UiServices.h"

namespace sg {

AutomaticCurveCreationViewController::AutomaticCurveCreationViewController(UiServices& ui,
                                                                           QWidget* parent)
    : CurveCreationViewOn(ui, InkSlotColumns::automatic, parent),
      inkLimitChart_(new InkLimitChart(ui, QString(), this)) {
    inkLimitChart_->setObjectName(QStringLiteral("inkLimitChart"));
    arrangeCreation(
        {makeChartBox()}, {inkLimitChart_, curveChart()},
        tr("The chart gives one slot to each of its inks, the darkest first; name each after "
           "the printer's ink it is. The gray value of each ink is measured: where the next "
           "darker ink reaches its darkest tone.\n\n"
           "Ink limit: the most ink an ink lays down, in percent of full ink. Hardware limit: "
           "the share of it the printer really lays down. Overlaps: how far an ink reaches "
           "under its lighter and darker neighbours, in percent of their gray values."));
    connect(inkTable(), &InkSlotTable::hardwareLimitChanged, this,
            [this](std::size_t slot, int percent) { act(tool_.setHardwareLimit(slot, percent)); });
    showToolState();
}

QGroupBox* AutomaticCurveCreationViewController::makeChartBox() {
    auto* box = new QGroupBox(tr("Ink separation chart"), this);
    loadChartButton_ = new QPushButton(tr("Load Chart..."), box);
    loadChartButton_->setObjectName(QStringLiteral("loadChartButton"));
    loadChartButton_->setToolTip(
        tr("The CGATS measurements of a printed ink separation chart: every ink alone in 21 "
           "steps from 0 to 100 %, the inks interleaved step by step, the darkest ink first "
           "(Ctrl+O)"));
    inkCountLabel_ = new QLabel(box);
    inkCountLabel_->setObjectName(QStringLiteral("inkCountLabel"));
    chartFileLabel_ = new QLabel(box);
    chartFileLabel_->setObjectName(QStringLiteral("chartFileLabel"));
    chartFileLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    chartFileLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    chartFileLabel_->setMinimumWidth(60);
    auto* layout = new QGridLayout(box);
    layout->addWidget(loadChartButton_, 0, 0);
    layout->addWidget(inkCountLabel_, 0, 1);
    layout->addWidget(chartFileLabel_, 1, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    connect(loadChartButton_, &QPushButton::clicked, this,
            &AutomaticCurveCreationViewController::loadChart);
    return box;
}

QString AutomaticCurveCreationViewController::toolTitle() const {
    return QStringLiteral("Automatic Curve Creation");
}

QStringList AutomaticCurveCreationViewController::documentNames() const {
    if (!tool_.chartFileName()) {
        return {};
    }
    return {QString::fromStdString(*tool_.chartFileName())};
}

bool AutomaticCurveCreationViewController::takesFile(const QString& path) const {
    return isFileOfKind(path, FileKind::measurements);
}

void AutomaticCurveCreationViewController::loadChart() {
    const std::optional<QString> path = ui().chooseFileToOpen(
        FileKind::measurements, tr("Choose the measurements of the ink separation chart"));
    if (path) {
        openFileAt(*path);
    }
}

void AutomaticCurveCreationViewController::openFileAt(const QString& path) {
    if (const Outcome loaded = tool_.loadChart(toFilesystemPath(path)); loaded.isRefused()) {
        // The tool kept its chart and inks, and so does every control.
        refuseFile(path, *loaded.alert());
        return;
    }
    chartPath_ = path;
    resultChanged();
    opened(path);
}

QString AutomaticCurveCreationViewController::curveCaption() const {
    return tr("Linearized curve for the %1").arg(QString::fromStdString(*tool_.printer().model()));
}

QString AutomaticCurveCreationViewController::suggestedCurvePath() const {
    if (!chartPath_.isEmpty()) {
        return suggestedSavePath(chartPath_, QStringLiteral("curve"), FileKind::curve);
    }
    return suggestedSavePath(QString(),
                             QString::fromStdString(*tool_.printer().model()) + "-automatic",
                             FileKind::curve);
}

void AutomaticCurveCreationViewController::showOwnState() {
    const std::optional<std::string>& chart = tool_.chartFileName();
    inkCountLabel_->setText(tool_.inkCount() == 1 ? tr("1 ink")
                                                  : tr("%1 inks").arg(tool_.inkCount()));
    chartFileLabel_->setText(chart ? QString::fromStdString(*chart)
                                   : tr("None loaded: a built-in ink to start from"));
    chartFileLabel_->setToolTip(chartPath_);
    inkLimitChart_->setCaption(chart ? tr("Lightness of each ink up to its limit")
                                     : tr("Lightness of the built-in ink"));
    std::vector<InkLimitChart::Line> lines;
    for (const InkGraphSeries& series : tool_.inkLimitGraph()) {
        lines.push_back({styleOf(series), series.values});
    }
    inkLimitChart_->setLines(lines);
}

}  // namespace sg
