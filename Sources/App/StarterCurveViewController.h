#pragma once

#include <QString>

#include "App/ToolView.h"
#include "QuadFiles/QuadCurve.h"
#include "StarterCurves/StarterCurveTool.h"

class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QSlider;

namespace sg {

class InkCurveChart;
class SaveRow;

// The Starter Curve tab: choose printer, paper and toning, set the toner strength and the black
// boost, watch the channels and save the curve, optionally with its Gutenprint XML. Every
// control calls the one matching action of StarterCurveTool (the same calls the command line
// makes), then the view redraws from the tool's state. It opens no files: the curve is made
// from the built-in tables.
class StarterCurveViewController : public ToolView {
    Q_OBJECT

public:
    // Saturation slider positions per unit of saturation: the label reads saturation x 50, so a
    // step is half a unit of the label.
    static constexpr int saturationSteps = 100;

    explicit StarterCurveViewController(UiServices& ui, QWidget* parent = nullptr);

    QString toolTitle() const override;
    // The chosen printer, paper and toning, e.g. "P800/Gloss/Warm".
    QStringList documentNames() const override;
    void openFile() override {}
    void saveFile() override { saveCurve(); }
    bool canSave() const override { return true; }
    bool takesFile(const QString&) const override { return false; }
    void openFileAt(const QString&) override {}

    void saveCurve();

    const StarterCurveTool& tool() const { return tool_; }
    QComboBox* printerMenu() const { return printerMenu_; }
    QComboBox* paperMenu() const { return paperMenu_; }
    QComboBox* tonerMenu() const { return tonerMenu_; }
    QSlider* saturationSlider() const { return saturationSlider_; }
    QLabel* saturationLabel() const { return saturationLabel_; }
    QDoubleSpinBox* customCyanBox() const { return customCyanBox_; }
    QDoubleSpinBox* customMagentaBox() const { return customMagentaBox_; }
    QDoubleSpinBox* customYellowBox() const { return customYellowBox_; }
    QLabel* cyanLimitLabel() const { return cyanLimitLabel_; }
    QLabel* magentaLimitLabel() const { return magentaLimitLabel_; }
    QLabel* yellowLimitLabel() const { return yellowLimitLabel_; }
    QSlider* boostSlider() const { return boostSlider_; }
    QLabel* boostLabel() const { return boostLabel_; }
    QLabel* blackLimitLabel() const { return blackLimitLabel_; }
    SaveRow* saveRow() const { return saveRow_; }
    InkCurveChart* inkChart() const { return inkChart_; }

private:
    QGroupBox* makeChoiceBox();
    QGroupBox* makeTonerBox();
    QGroupBox* makeBoostBox();
    QDoubleSpinBox* makeCustomFactorBox(const QString& colour, QWidget* parent);
    // The controls of the three boxes start at the same x.
    void alignControlTitles();
    // The titles of the printer, paper and toning chosen.
    QStringList chosenTitles() const;

    // The tool's curve changed: read-outs, controls and graph follow, and the result counts as
    // unsaved while it differs from the last one saved.
    void curveChanged();
    void showControls();
    void showReadouts();
    void redraw();

    StarterCurveTool tool_;
    QuadCurve savedCurve_;  // the curve the tool opened with, then the last one saved

    QComboBox* printerMenu_ = nullptr;
    QComboBox* paperMenu_ = nullptr;
    QComboBox* tonerMenu_ = nullptr;
    QSlider* saturationSlider_ = nullptr;
    QLabel* saturationLabel_ = nullptr;
    QGroupBox* customBox_ = nullptr;
    QDoubleSpinBox* customCyanBox_ = nullptr;
    QDoubleSpinBox* customMagentaBox_ = nullptr;
    QDoubleSpinBox* customYellowBox_ = nullptr;
    QLabel* cyanLimitLabel_ = nullptr;
    QLabel* magentaLimitLabel_ = nullptr;
    QLabel* yellowLimitLabel_ = nullptr;
    QSlider* boostSlider_ = nullptr;
    QLabel* boostLabel_ = nullptr;
    QLabel* blackLimitLabel_ = nullptr;
    SaveRow* saveRow_;
    InkCurveChart* inkChart_;
};

}  // namespace sg
