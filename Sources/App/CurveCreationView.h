#pragma once

#include <cstddef>
#include <string_view>

#include <QList>
#include <QString>

#include "App/InkCurveColors.h"
#include "App/InkSlotTable.h"
#include "App/ToolView.h"
#include "CurveCreation/CurveCreationTool.h"
#include "CurveCreation/InkGraphSeries.h"

class QComboBox;
class QGroupBox;
class QLabel;

namespace sg {

class CurveChartView;
class InkCurveChart;
class SaveRow;

// What the Manual and the Automatic Curve Creation tabs share: the printer model pop-up, the
// eight ink slots under the graphs, the curve graph (the hint to choose a printer model in its
// place until one is chosen) and the save row. Every control calls one action of the tool; a
// refused action is shown as an alert, and either way the tab is redrawn from the tool, so a
// refusal leaves it as it was.
class CurveCreationView : public ToolView {
    Q_OBJECT

public:
    void saveFile() override { saveCurve(); }
    bool canSave() const override { return creationTool().canSave(); }

    // Save (Ctrl+S): the save dialog, the curve and, when asked, the Gutenprint curves.
    void saveCurve();

    QComboBox* printerModelBox() const { return printerModelBox_; }
    QLabel* channelsLabel() const { return channelsLabel_; }
    InkSlotTable* inkTable() const { return inkTable_; }
    InkCurveChart* curveChart() const { return curveChart_; }
    SaveRow* saveRow() const { return saveRow_; }

protected:
    CurveCreationView(UiServices& ui, InkSlotColumns columns, QWidget* parent);

    virtual const CurveCreationTool& creationTool() const = 0;
    virtual CurveCreationTool& creationTool() = 0;
    // The slot actions whose form differs between the tools.
    virtual InkSlotState slotState(std::size_t slot) const = 0;
    virtual Outcome selectInk(std::size_t slot, std::string_view inkName) = 0;
    virtual Outcome setInkLimit(std::size_t slot, int percent) = 0;
    // What the curve graph shows, e.g. "Curve for the P800".
    virtual QString curveCaption() const = 0;
    // The name the save dialog offers.
    virtual QString suggestedCurvePath() const = 0;
    // Redraws what the tool adds to the shared parts.
    virtual void showOwnState() {}

    // Lays the tab out: in the column the printer box, the tool's boxes, a word on how the
    // slots work and the save row; the graphs side by side above the ink slots.
    void arrangeCreation(const QList<QWidget*>& toolBoxes, const QList<CurveChartView*>& graphs,
                         const QString& slotHelp);

    // Shows a refused action's alert; either way the tab shows the tool's state, and a done
    // action's result counts as unsaved.
    void act(const Outcome& outcome);
    // The tool's result changed: redrawn and unsaved.
    void resultChanged();
    // Every control, read-out and graph from the tool's state.
    void showToolState();

    // A line of a creation graph in the colour of its ink.
    static InkSeriesStyle styleOf(const InkGraphSeries& series);

private:
    QGroupBox* makePrinterBox();
    void choosePrinterModel(int index);
    void showCurveGraph();

    QComboBox* printerModelBox_ = nullptr;
    QLabel* channelsLabel_ = nullptr;
    InkSlotTable* inkTable_;
    InkCurveChart* curveChart_;
    SaveRow* saveRow_;
};

// The shared parts on the tool model the tab owns.
template <typename Tool>
class CurveCreationViewOn : public CurveCreationView {
public:
    const Tool& tool() const { return tool_; }

protected:
    using CurveCreationView::CurveCreationView;

    Tool tool_;

private:
    const CurveCreationTool& creationTool() const override { return tool_; }
    CurveCreationTool& creationTool() override { return tool_; }
    InkSlotState slotState(std::size_t slot) const override { return tool_.slotState(slot); }
    Outcome selectInk(std::size_t slot, std::string_view inkName) override {
        return tool_.selectInk(slot, inkName);
    }
    Outcome setInkLimit(std::size_t slot, int percent) override {
        return tool_.setInkLimit(slot, percent);
    }
};

}  // namespace sg
