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
    void openFile() override { loadQuadData(); }
    void saveFile() override { saveLinearizedCurveFile(); }
    bool canSave() const override;
    QList<QAction*> fileMenuActions() const override { return {loadMeasurementsAction_}; }
    // .quad files load the curve, .txt and .csv files the measurements.
    bool takesDroppedFile(const QString& path) const override;
    void openDroppedFile(const QString& path) override;

    // The user actions that start with a dialog.
    void loadMeasurmentData();
    void loadQuadData();
    void saveLinearizedCurveFile();
    void resetOutputCurvePoints();

    const LinearizationTool& tool() const { return tool_; }

    LinearizationMeasurementChart* measurementDataChart() const { return measurementDataChart_; }
    InkCurveChart* linearizedQuadCurveView() const { return linearizedQuadCurveView_; }
    QLabel* MeasurementFileName() const { return MeasurementFileName_; }
    QLabel* dmaxOutlet() const { return dmaxOutlet_; }
    QLabel* linearityOutlet() const { return linearityOutlet_; }
    QLabel* patchOrderWarning() const { return patchOrderWarning_; }
    QSpinBox* avgWindowSize() const { return avgWindowSize_; }
    QDoubleSpinBox* splinePercentLabel() const { return splinePercentLabel_; }
    QGroupBox* controlPointsBox() const { return controlPointsBox_; }
    QDoubleSpinBox* shadowInputEntry() const { return inputEntry(ControlPoint::shadow); }
    QDoubleSpinBox* midToneInputEntry() const { return inputEntry(ControlPoint::midtone); }
    QDoubleSpinBox* highlightInputEntry() const { return inputEntry(ControlPoint::highlight); }
    QSlider* shadowOutputControlSlider() const { return slider(ControlPoint::shadow); }
    QSlider* midtoneOutputControlSlider() const { return slider(ControlPoint::midtone); }
    QSlider* highlightOutputControlSlider() const { return slider(ControlPoint::highlight); }
    QLabel* shadowOutputEntry() const { return outputEntry(ControlPoint::shadow); }
    QLabel* midtoneOutputEntry() const { return outputEntry(ControlPoint::midtone); }
    QLabel* highlightOutputEntry() const { return outputEntry(ControlPoint::highlight); }
    QDoubleSpinBox* inputEntry(ControlPoint which) const { return row(which).input; }
    QSlider* slider(ControlPoint which) const { return row(which).slider; }
    QLabel* outputEntry(ControlPoint which) const { return row(which).output; }
    QLabel* controlPointMessage() const { return controlPointMessage_; }
    QPushButton* resetButton() const { return resetButton_; }
    QLabel* quadFileLoaded() const { return quadFileLoaded_; }
    QPlainTextEdit* linearizationViewNotesOutlet() const { return linearizationViewNotesOutlet_; }
    QCheckBox* SaveLinearzedXMLChecked() const { return SaveLinearzedXMLChecked_; }
    // K, C, M, Y, LC, LM, LK, LLK, OR, GR.
    QCheckBox* channelToggle(int channel) const { return channelToggles_.at(channel); }
    QPushButton* showOriginalCurveButton() const { return showOriginalCurveButton_; }
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
    void setMovingAverageWindow(int windowSize);
    void setSplineSmoothingPercentage(double splineControl);
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

    LinearizationMeasurementChart* measurementDataChart_;
    InkCurveChart* linearizedQuadCurveView_;
    QLabel* patchOrderWarning_;
    QLabel* MeasurementFileName_ = nullptr;
    QLabel* dmaxOutlet_ = nullptr;
    QLabel* linearityOutlet_ = nullptr;
    QSpinBox* avgWindowSize_ = nullptr;
    QDoubleSpinBox* splinePercentLabel_ = nullptr;
    QGroupBox* controlPointsBox_ = nullptr;
    std::array<ControlPointRow, 3> rows_;
    QLabel* controlPointMessage_ = nullptr;
    QPushButton* resetButton_ = nullptr;
    QLabel* quadFileLoaded_ = nullptr;
    std::array<QCheckBox*, channelToggleCount> channelToggles_{};
    QPushButton* showOriginalCurveButton_ = nullptr;
    QCheckBox* SaveLinearzedXMLChecked_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPlainTextEdit* linearizationViewNotesOutlet_ = nullptr;
    QAction* loadMeasurementsAction_ = nullptr;
};

}  // namespace sg
