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
    void openFile() override { loadQuadFile(); }
    void saveFile() override { saveQuadFile(); }
    bool canSave() const override;
    bool takesDroppedFile(const QString& path) const override;
    void openDroppedFile(const QString& path) override { loadFile(path); }

    // The user actions.
    void loadQuadFile();
    void saveQuadFile();         // applies "Set first value to 0"
    void saveLimitedQuadFile();  // never zeroes
    void saveXML();

    const QuadLevelsTool& tool() const { return tool_; }
    RangeSlider* slider1() const { return slider1_; }
    QLabel* lowLimitValueLabel() const { return lowLimitValueLabel_; }
    QLabel* highLimitValueLabel() const { return highLimitValueLabel_; }
    QCheckBox* zeroFirstQuadValue() const { return zeroFirstQuadValue_; }
    QCheckBox* displayAsPigment() const { return displayAsPigment_; }
    InkCurveChart* limitedQuadGraph() const { return limitedQuadGraph_; }
    QLabel* fileNameLabel() const { return fileNameLabel_; }
    QLabel* limitsLabel() const { return limitsLabel_; }
    QPushButton* saveButton() const { return saveButton_; }
    QPushButton* saveLimitedButton() const { return saveLimitedButton_; }
    QPushButton* exportXmlButton() const { return exportXmlButton_; }

private:
    void loadFile(const QString& path);
    void save(bool zeroFirst);
    void selectionChanged();
    void outputValueDisplayTypeChanged();
    void redraw();
    void updateFileState();

    UiServices& ui_;
    QuadLevelsTool tool_;
    RangeSlider* slider1_;
    QLabel* lowLimitValueLabel_;
    QLabel* highLimitValueLabel_;
    QLabel* limitsLabel_;
    QLabel* fileNameLabel_;
    QCheckBox* zeroFirstQuadValue_;
    QCheckBox* displayAsPigment_;
    InkCurveChart* limitedQuadGraph_;
    QPushButton* saveButton_;
    QPushButton* saveLimitedButton_;
    QPushButton* exportXmlButton_;
};

}  // namespace sg
