#include "App/CurveCreationView.h"

#include <QChart>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLegend>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "App/InkCurveChart.h"
#include "App/SaveRow.h"
#include "App/UiServices.h"
#include "QuadFiles/InkList.h"

namespace sg {

CurveCreationView::CurveCreationView(UiServices& ui, InkSlotColumns columns, QWidget* parent)
    : ToolView(ui, parent),
      inkTable_(new InkSlotTable(columns, this)),
      curveChart_(new InkCurveChart(ui, QString(), this)),
      saveRow_(new SaveRow(ui, tr("Save Curve..."), this)) {
    curveChart_->setObjectName(QStringLiteral("curveChart"));
    // The ink table is the key: eight names would not fit under a graph.
    curveChart_->chart()->legend()->hide();
    saveRow_->saveButton()->setToolTip(
        tr("Saves the curve as a .quad file for QuadToneRIP, its channels in the printer "
           "model's order (Ctrl+S)"));

    connect(inkTable_, &InkSlotTable::inkChosen, this,
            [this](std::size_t slot, const QString& name) {
                act(selectInk(slot, name.toStdString()));
            });
    connect(inkTable_, &InkSlotTable::inkLimitChanged, this,
            [this](std::size_t slot, int percent) { act(setInkLimit(slot, percent)); });
    connect(inkTable_, &InkSlotTable::startingOverlapChanged, this,
            [this](std::size_t slot, double fraction) {
                act(creationTool().setStartingOverlap(slot, fraction));
            });
    connect(inkTable_, &InkSlotTable::endingOverlapChanged, this,
            [this](std::size_t slot, double fraction) {
                act(creationTool().setEndingOverlap(slot, fraction));
            });
    connect(saveRow_, &SaveRow::saveClicked, this, &CurveCreationView::saveCurve);
    connect(saveRow_, &SaveRow::saved, this, &CurveCreationView::resultSaved);
}

QGroupBox* CurveCreationView::makePrinterBox() {
    auto* box = new QGroupBox(tr("Printer"), this);
    printerModelBox_ = new QComboBox(box);
    printerModelBox_->setObjectName(QStringLiteral("printerModelBox"));
    printerModelBox_->setPlaceholderText(tr("Choose..."));
    for (const std::string& model : curveCreationPrinterModels) {
        printerModelBox_->addItem(QString::fromStdString(model));
    }
    printerModelBox_->setCurrentIndex(-1);
    printerModelBox_->setToolTip(
        tr("The printer the curve is for: it decides which inks the slots offer and which "
           "channels the curve file has"));
    channelsLabel_ = new QLabel(box);
    channelsLabel_->setObjectName(QStringLiteral("channelsLabel"));

    auto* title = new QLabel(tr("Printer &model:"), box);
    title->setBuddy(printerModelBox_);
    // One above the other, so that the longest model name does not widen the column.
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(title);
    layout->addWidget(printerModelBox_);
    layout->addWidget(channelsLabel_);

    connect(printerModelBox_, &QComboBox::currentIndexChanged, this,
            &CurveCreationView::choosePrinterModel);
    return box;
}

void CurveCreationView::arrangeCreation(const QList<QWidget*>& toolBoxes,
                                        const QList<CurveChartView*>& graphs,
                                        const QString& slotHelp) {
    auto* help = new QLabel(slotHelp, this);
    help->setObjectName(QStringLiteral("slotHelp"));
    help->setWordWrap(true);
    help->setForegroundRole(QPalette::PlaceholderText);
    // As wide as the other controls make the column, however long the text.
    QSizePolicy policy = help->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    help->setSizePolicy(policy);

    auto* graphGrid = new QGridLayout;
    for (qsizetype column = 0; column < graphs.size(); ++column) {
        graphGrid->addWidget(graphs[column], 0, static_cast<int>(column));
    }
    graphGrid->addWidget(inkTable_, 1, 0, 1, static_cast<int>(graphs.size()));
    graphGrid->setRowStretch(0, 1);
    arrange(QList<QWidget*>{makePrinterBox()} + toolBoxes + QList<QWidget*>{help, saveRow_},
            graphGrid);
}

void CurveCreationView::saveCurve() {
    if (!canSave()) {
        return;
    }
    saveRow_->save(
        {tr("Save the created curve"), suggestedCurvePath(),
         [this](const std::filesystem::path& path) { return creationTool().saveCurve(path); },
         [this](const std::filesystem::path& folder) {
             return creationTool().exportGutenprintXml(folder);
         },
         creationTool().printer().channelLabels().size()});
}

void CurveCreationView::choosePrinterModel(int index) {
    act(creationTool().choosePrinterModel(printerModelBox_->itemText(index).toStdString()));
}

void CurveCreationView::act(const Outcome& outcome) {
    if (outcome.isRefused()) {
        ui().showAlert(*outcome.alert());
        showToolState();
        return;
    }
    resultChanged();
}

void CurveCreationView::resultChanged() {
    showToolState();
    setUnsavedResult(canSave());
}

void CurveCreationView::showToolState() {
    const CurveCreationTool& tool = creationTool();
    const PrinterChoice& printer = tool.printer();
    {
        const QSignalBlocker blocker(printerModelBox_);
        printerModelBox_->setCurrentIndex(
            printer.model() ? printerModelBox_->findText(QString::fromStdString(*printer.model()))
                            : -1);
    }
    channelsLabel_->setText(
        printer.isChosen()
            ? tr("The curve file gets %1 channels.").arg(printer.channelLabels().size())
            : tr("It decides the inks the slots offer."));
    const std::vector<InkSettings>& inks = tool.inks();
    for (std::size_t slot = 0; slot < InkSlotRanges::slotCount; ++slot) {
        inkTable_->showSlot(slot, slotState(slot), slot < inks.size() ? &inks[slot] : nullptr,
                            printer.inkNames());
    }
    showCurveGraph();
    saveRow_->setSaveEnabled(canSave());
    showOwnState();
    emit documentChanged();
}

void CurveCreationView::showCurveGraph() {
    const CurveCreationTool& tool = creationTool();
    if (const std::optional<std::string_view> hint = tool.graphHint()) {
        curveChart_->setCaption(QString());
        curveChart_->setPlaceholderText(QString::fromUtf8(hint->data(), hint->size()));
        curveChart_->clearCurve();
        return;
    }
    QuadCurve channels;
    std::vector<InkSeriesStyle> styles;
    for (const InkGraphSeries& series : tool.curveGraph()) {
        channels.push_back(series.values);
        styles.push_back(styleOf(series));
    }
    curveChart_->setCaption(curveCaption());
    curveChart_->setPlaceholderText(tr("No ink in use has a channel on the %1.")
                                        .arg(QString::fromStdString(*tool.printer().model())));
    curveChart_->setCurve(channels, styles);
}

InkSeriesStyle CurveCreationView::styleOf(const InkGraphSeries& series) {
    // The ink list names the channel positions after its "Select Ink" entry.
    return inkSeriesStyle(QString::fromStdString(series.label),
                          InkList::namesFor10Inks.at(series.colorPosition + 1));
}

}  // namespace sg
