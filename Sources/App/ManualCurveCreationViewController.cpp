#include "App/ManualCurveCreationViewController.h"

#include "App/FilePaths.h"
#include "App/InkCurveChart.h"

namespace sg {

ManualCurveCreationViewController::ManualCurveCreationViewController(UiServices& ui,
                                                                     QWidget* parent)
    : CurveCreationViewOn(ui, InkSlotColumns::manual, parent) {
    arrangeCreation(
        {}, {curveChart()},
        tr("Slot 1 holds the darkest ink, each next slot a lighter one. Choose an ink in the "
           "first free slot to add it, \"Not Used\" in the last slot to remove it.\n\n"
           "Gray value: the tone an ink stands for, in percent from paper white (0 %) to full "
           "black (100 %). Ink limit: the most ink it lays down there, in percent of full ink. "
           "Overlaps: how far an ink reaches under its lighter and darker neighbours, in "
           "percent of their gray values."));
    connect(inkTable(), &InkSlotTable::grayValueChanged, this,
            [this](std::size_t slot, double percent) { act(tool_.setGrayValue(slot, percent)); });
    showToolState();
}

QString ManualCurveCreationViewController::toolTitle() const {
    return QStringLiteral("Manual Curve Creation");
}

QString ManualCurveCreationViewController::curveCaption() const {
    return tr("Curve for the %1").arg(QString::fromStdString(*tool_.printer().model()));
}

QString ManualCurveCreationViewController::suggestedCurvePath() const {
    return suggestedSavePath(
        QString(), QString::fromStdString(*tool_.printer().model()) + "-manual", FileKind::curve);
}

}  // namespace sg
