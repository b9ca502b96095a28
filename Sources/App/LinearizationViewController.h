#pragma once

#include <array>

#include <QString>

#include "App/ToolView.h"
#include "Linearization/LinearizationTool.h"

class QAction;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;

namespace sg {

class CurveFileBox;
class InkCurveChart;
class LinearizationMeasurementChart;
class SaveRow;

// The Linearization tab: load the measurements of a printed wedge and the curve that printed
// it, adjust smoothing and the three tone control points, compare the original and linearized
// ink curves and save the linearized curve. Every control calls the one matching action of
// LinearizationTool (the same calls the command line makes), then the view redraws from the
// tool's state; the view itself computes nothing.
class LinearizationViewController : public ToolView {
    Q_OBJECT

public:
    explicit LinearizationViewController(UiServices& ui, QWidget* parent = nullptr);

    QString toolTitle() const override;
    QStringList documentNames() const override;
    // Open (Ctrl+O) loads the curve; Load Measurements (Ctrl+Shift+O, in the File menu under
    // Open) the measurements.
    void openFile() override { loadCurve(); }
    void saveFile() override { saveLinearizedCurve(); }
    bool canSave() const override { return tool_.canSave(); }
    QList<QAction*> fileMenuActions() const override { return {loadMeasurementsAction_}; }
    // Curve files load the curve, measurement files the measurements.
    bool takesFile(const QString& path) const override;
    void openFileAt(const QString& path) override;
    // The measurements first, so that the curve is linearized as it comes in.
    void openFilesAt(const QStringList& paths) override;

    // The user actions that start with a dialog.
    void loadMeasurements();
    void loadCurve();
    void saveLinearizedCurve();

    const LinearizationTool& tool() const { return tool_; }

    LinearizationMeasurementChart* measurementChart() const { return measurementChart_; }
    InkCurveChart* inkChart() const { return inkChart_; }
    CurveFileBox* curveBox() const { return curveBox_; }
    SaveRow* saveRow() const { return saveRow_; }
    QLabel* measurementFileLabel() const { return measurementFileLabel_; }
    QLabel* dmaxLabel() const { return dmaxLabel_; }
    QLabel* linearityLabel() const { return linearityLabel_; }
    // What the chosen method is expected to leave on the next print.
    QLabel* predictedLinearityLabel() const { return predictedLinearityLabel_; }
    QLabel* patchOrderWarning() const { return patchOrderWarning_; }
    QRadioButton* methodButton(CorrectionMethod method) const {
        return method == CorrectionMethod::precise ? preciseMethodButton_ : standardMethodButton_;
    }
    QSpinBox* averagingWindowBox() const { return averagingWindowBox_; }
    // Positions 0 to 10, the strengths of LinearizationControlRanges::splineStrengths.
    QSlider* splineSlider() const { return splineSlider_; }
    QLabel* splineStrengthLabel() const { return splineStrengthLabel_; }
    QDoubleSpinBox* inputBox(ControlPoint which) const { return row(which).input; }
    QSlider* slider(ControlPoint which) const { return row(which).slider; }
    QLabel* sliderValueLabel(ControlPoint which) const { return row(which).sliderValue; }
    QLabel* outputLabel(ControlPoint which) const { return row(which).output; }
    QLabel* controlPointMessage() const { return controlPointMessage_; }
    QPushButton* resetButton() const { return resetButton_; }
    QPlainTextEdit* notesEdit() const { return notesEdit_; }
    QPushButton* originalCurvesButton() const { return originalCurvesButton_; }

private:
    struct ControlPointRow {
        QDoubleSpinBox* input = nullptr;
        QSlider* slider = nullptr;
        QLabel* sliderValue = nullptr;
        QLabel* output = nullptr;
    };

    const ControlPointRow& row(ControlPoint which) const {
        return rows_[static_cast<std::size_t>(which)];
    }
    QGroupBox* makeMeasurementsBox();
    QGroupBox* makeSmoothingBox();
    QGroupBox* makeControlPointsBox();
    QGroupBox* makeNotesBox();

    void loadMeasurementFile(const QString& path);
    void loadQuadFile(const QString& path);
    void resetControlPoints();
    void setCorrectionMethod(CorrectionMethod method);
    void setAveragingWindow(int windowSize);
    void setSplinePosition(int position);
    void controlPointChanged(ControlPoint which);
    // A refused input says why under the points; empty hides the line.
    void showControlPointMessage(const QString& text);
    void showOriginalCurve(bool original);
    // The tool's result changed: the linearized curves are shown again and count as unsaved.
    void resultChanged();

    void showToolState();
    void showMeasurementState();
    void showControlPoints();
    void showCurveState();
    void redrawMeasurementGraph();
    void redrawInkGraph();

    LinearizationTool tool_;
    QString measurementPath_;

    LinearizationMeasurementChart* measurementChart_;
    InkCurveChart* inkChart_;
    CurveFileBox* curveBox_;
    SaveRow* saveRow_;
    QLabel* measurementFileLabel_ = nullptr;
    QLabel* dmaxLabel_ = nullptr;
    QLabel* linearityLabel_ = nullptr;
    QLabel* predictedLinearityLabel_ = nullptr;
    QLabel* patchOrderWarning_ = nullptr;
    QRadioButton* standardMethodButton_ = nullptr;
    QRadioButton* preciseMethodButton_ = nullptr;
    QSpinBox* averagingWindowBox_ = nullptr;
    QSlider* splineSlider_ = nullptr;
    QLabel* splineStrengthLabel_ = nullptr;
    QGroupBox* controlPointsBox_ = nullptr;
    std::array<ControlPointRow, 3> rows_;
    QLabel* controlPointMessage_ = nullptr;
    QPushButton* resetButton_ = nullptr;
    QPushButton* originalCurvesButton_ = nullptr;
    QPlainTextEdit* notesEdit_ = nullptr;
    QAction* loadMeasurementsAction_ = nullptr;
};

}  // namespace sg
