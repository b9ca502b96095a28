#pragma once

#include <array>
#include <vector>

#include <QString>

#include "App/ToolView.h"
#include "Linearization/LinearizationTool.h"

class QAction;
class QCheckBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QSpinBox;

namespace sg {

class InkCurveChart;
class LinearizationMeasurementChart;
class UiServices;

// The Linearization tab: load the measurements of a printed wedge and the curve that printed
// it, adjust smoothing and the three tone control points, compare the original and linearized
// ink curves and save the linearized curve. Every control calls the one matching action of
// LinearizationTool (the same calls the command line makes), then the view redraws from the
// tool's state; the view itself computes nothing.
class LinearizationViewController : public ToolView {
    Q_OBJECT

public:
    // The ink graph's toggles, in channel order.
    static constexpr int channelToggleCount = 10;

    explicit LinearizationViewController(UiServices& ui, QWidget* parent = nullptr);

    QString toolTitle() const override;
    // Open (Ctrl+O) loads the curve; Load Measurements (Ctrl+Shift+O, in the File menu under
    // Open) the measurements.
    void openFile() override { loadCurve(); }
    void saveFile() override { saveLinearizedCurve(); }
    bool canSave() const override;
    QList<QAction*> fileMenuActions() const override { return {loadMeasurementsAction_}; }
    // .quad files load the curve, .txt and .csv files the measurements.
    bool takesDroppedFile(const QString& path) const override;
    void openDroppedFile(const QString& path) override;

    // The user actions that start with a dialog.
    void loadMeasurements();
    void loadCurve();
    void saveLinearizedCurve();
    void resetControlPoints();

    const LinearizationTool& tool() const { return tool_; }

    LinearizationMeasurementChart* measurementChart() const { return measurementChart_; }
    InkCurveChart* inkChart() const { return inkChart_; }
    QLabel* measurementFileLabel() const { return measurementFileLabel_; }
    QLabel* dmaxLabel() const { return dmaxLabel_; }
    QLabel* linearityLabel() const { return linearityLabel_; }
    QLabel* patchOrderWarning() const { return patchOrderWarning_; }
    QSpinBox* averagingWindowBox() const { return averagingWindowBox_; }
    QDoubleSpinBox* splineSettingBox() const { return splineSettingBox_; }
    QGroupBox* controlPointsBox() const { return controlPointsBox_; }
    QDoubleSpinBox* shadowInputBox() const { return inputBox(ControlPoint::shadow); }
    QDoubleSpinBox* midtoneInputBox() const { return inputBox(ControlPoint::midtone); }
    QDoubleSpinBox* highlightInputBox() const { return inputBox(ControlPoint::highlight); }
    QSlider* shadowSlider() const { return slider(ControlPoint::shadow); }
    QSlider* midtoneSlider() const { return slider(ControlPoint::midtone); }
    QSlider* highlightSlider() const { return slider(ControlPoint::highlight); }
    QLabel* shadowOutputLabel() const { return outputLabel(ControlPoint::shadow); }
    QLabel* midtoneOutputLabel() const { return outputLabel(ControlPoint::midtone); }
    QLabel* highlightOutputLabel() const { return outputLabel(ControlPoint::highlight); }
    QDoubleSpinBox* inputBox(ControlPoint which) const { return row(which).input; }
    QSlider* slider(ControlPoint which) const { return row(which).slider; }
    QLabel* outputLabel(ControlPoint which) const { return row(which).output; }
    QLabel* controlPointMessage() const { return controlPointMessage_; }
    QPushButton* resetButton() const { return resetButton_; }
    QLabel* curveFileLabel() const { return curveFileLabel_; }
    QPlainTextEdit* notesEdit() const { return notesEdit_; }
    QCheckBox* exportXmlCheck() const { return exportXmlCheck_; }
    // K, C, M, Y, LC, LM, LK, LLK, OR, GR.
    QCheckBox* channelToggle(int channel) const { return channelToggles_.at(channel); }
    QPushButton* originalCurvesButton() const { return originalCurvesButton_; }
    QPushButton* saveButton() const { return saveButton_; }
    // The show flags the ink graph applies, one per toggle.
    std::vector<bool> showFlags() const;

private:
    struct ControlPointRow {
        QDoubleSpinBox* input = nullptr;
        QSlider* slider = nullptr;
        QLabel* output = nullptr;
    };

    const ControlPointRow& row(ControlPoint which) const {
        return rows_[static_cast<std::size_t>(which)];
    }
    QGroupBox* makeMeasurementsBox();
    QGroupBox* makeSmoothingBox();
    QGroupBox* makeControlPointsBox();
    QGroupBox* makeCurveBox();
    QGroupBox* makeNotesBox();

    void loadMeasurementFile(const QString& path);
    void loadQuadFile(const QString& path);
    void setAveragingWindow(int windowSize);
    void setSplineSetting(double splineControl);
    void controlPointChanged(ControlPoint which);
    void showOriginalCurve(bool original);
    void showChannelsChanged();

    // A changed correction shows the linearized curves again.
    void showLinearizedCurves();
    void showToolState();
    void showMeasurementState();
    void showControlPoints();
    void showCurveState();
    void redrawMeasurementGraph();
    void redrawInkGraph();

    UiServices& ui_;
    LinearizationTool tool_;

    LinearizationMeasurementChart* measurementChart_;
    InkCurveChart* inkChart_;
    QLabel* patchOrderWarning_;
    QLabel* measurementFileLabel_ = nullptr;
    QLabel* dmaxLabel_ = nullptr;
    QLabel* linearityLabel_ = nullptr;
    QSpinBox* averagingWindowBox_ = nullptr;
    QDoubleSpinBox* splineSettingBox_ = nullptr;
    QGroupBox* controlPointsBox_ = nullptr;
    std::array<ControlPointRow, 3> rows_;
    QLabel* controlPointMessage_ = nullptr;
    QPushButton* resetButton_ = nullptr;
    QLabel* curveFileLabel_ = nullptr;
    std::array<QCheckBox*, channelToggleCount> channelToggles_{};
    QPushButton* originalCurvesButton_ = nullptr;
    QCheckBox* exportXmlCheck_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPlainTextEdit* notesEdit_ = nullptr;
    QAction* loadMeasurementsAction_ = nullptr;
};

}  // namespace sg
