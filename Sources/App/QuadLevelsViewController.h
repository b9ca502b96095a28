#pragma once

#include <QString>

#include "App/ToolView.h"
#include "CurveTools/QuadLevelsTool.h"

class QAction;
class QCheckBox;
class QLabel;

namespace sg {

class CurveFileBox;
class InkCurveChart;
class RangeSlider;
class SaveRow;
struct CurveSaveRequest;

// The Quad Levels tab: a range slider under the graph trims the loaded curve on its input
// axis; the result is saved (with the first value zeroed when asked) and, with the check box,
// exported as Gutenprint XML; File > Export Gutenprint XML writes only the XML files.
class QuadLevelsViewController : public ToolView {
    Q_OBJECT

public:
    explicit QuadLevelsViewController(UiServices& ui, QWidget* parent = nullptr);

    QString toolTitle() const override;
    QStringList documentNames() const override;
    void openFile() override { loadCurve(); }
    void saveFile() override { saveTrimmedCurve(); }
    bool canSave() const override { return tool_.canSave(); }
    QList<QAction*> fileMenuActions() const override { return {exportXmlAction_}; }
    bool takesFile(const QString& path) const override;
    void openFileAt(const QString& path) override;

    // The user actions.
    void loadCurve();
    void saveTrimmedCurve();
    void exportGutenprintXml();

    const QuadLevelsTool& tool() const { return tool_; }
    CurveFileBox* curveBox() const { return curveBox_; }
    SaveRow* saveRow() const { return saveRow_; }
    RangeSlider* rangeSlider() const { return rangeSlider_; }
    QLabel* startLabel() const { return startLabel_; }
    QLabel* endLabel() const { return endLabel_; }
    QLabel* stretchLabel() const { return stretchLabel_; }
    QCheckBox* zeroFirstCheck() const { return zeroFirstCheck_; }
    QCheckBox* asPercentCheck() const { return asPercentCheck_; }
    InkCurveChart* inkChart() const { return inkChart_; }
    QAction* exportXmlAction() const { return exportXmlAction_; }

private:
    CurveSaveRequest saveRequest();
    void selectionChanged();
    void showSelectionLabels();
    void redraw();

    QuadLevelsTool tool_;
    CurveFileBox* curveBox_;
    InkCurveChart* inkChart_;
    RangeSlider* rangeSlider_;
    QLabel* startLabel_;
    QLabel* endLabel_;
    QLabel* stretchLabel_;
    QCheckBox* zeroFirstCheck_;
    QCheckBox* asPercentCheck_;
    SaveRow* saveRow_;
    QAction* exportXmlAction_;
};

}  // namespace sg
