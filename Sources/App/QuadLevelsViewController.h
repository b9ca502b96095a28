#pragma once

#include <QString>

#include "App/ToolView.h"
#include "CurveTools/QuadLevelsTool.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace sg {

class InkCurveChart;
class RangeSlider;
class UiServices;

// The Quad Levels tab: a range slider trims the loaded curve on its input axis; the result is
// saved with or without zeroing the first value, or exported as Gutenprint XML.
class QuadLevelsViewController : public ToolView {
    Q_OBJECT

public:
    explicit QuadLevelsViewController(UiServices& ui, QWidget* parent = nullptr);

    QString toolTitle() const override;
    void openFile() override { loadCurve(); }
    void saveFile() override { saveTrimmedCurve(); }
    bool canSave() const override;
    bool takesDroppedFile(const QString& path) const override;
    void openDroppedFile(const QString& path) override { loadFile(path); }

    // The user actions.
    void loadCurve();
    void saveTrimmedCurve();    // applies "Set first value to 0"
    void saveWithoutZeroing();  // never zeroes
    void exportGutenprintXml();

    const QuadLevelsTool& tool() const { return tool_; }
    RangeSlider* rangeSlider() const { return rangeSlider_; }
    QLabel* startLabel() const { return startLabel_; }
    QLabel* endLabel() const { return endLabel_; }
    QCheckBox* zeroFirstCheck() const { return zeroFirstCheck_; }
    QCheckBox* asPercentCheck() const { return asPercentCheck_; }
    InkCurveChart* inkChart() const { return inkChart_; }
    QLabel* fileNameLabel() const { return fileNameLabel_; }
    QLabel* limitsLabel() const { return limitsLabel_; }
    QPushButton* saveButton() const { return saveButton_; }
    QPushButton* saveUnzeroedButton() const { return saveUnzeroedButton_; }
    QPushButton* exportXmlButton() const { return exportXmlButton_; }

private:
    void loadFile(const QString& path);
    void save(bool zeroFirst);
    void selectionChanged();
    void showSelectionLabels();
    void redraw();
    void updateFileState();

    UiServices& ui_;
    QuadLevelsTool tool_;
    RangeSlider* rangeSlider_;
    QLabel* startLabel_;
    QLabel* endLabel_;
    QLabel* limitsLabel_;
    QLabel* fileNameLabel_;
    QCheckBox* zeroFirstCheck_;
    QCheckBox* asPercentCheck_;
    InkCurveChart* inkChart_;
    QPushButton* saveButton_;
    QPushButton* saveUnzeroedButton_;
    QPushButton* exportXmlButton_;
};

}  // namespace sg
