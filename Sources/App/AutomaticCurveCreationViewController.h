#pragma once

#include <QString>

#include "App/CurveCreationView.h"
#include "CurveCreation/AutomaticCurveCreation.h"

class QPushButton;

namespace sg {

class InkLimitChart;

// The Automatic Curve Creation tab: the photographer loads the measurements of a printed ink
// separation chart (Open, Ctrl+O), chooses the printer model, names the chart's inks and sets
// their limits; the ink limit graph shows every ink's lightness up to its limit, the gray
// values follow from it, and the curve graph shows the linearized curve that is saved.
class AutomaticCurveCreationViewController : public CurveCreationViewOn<AutomaticCurveCreation> {
    Q_OBJECT

public:
    explicit AutomaticCurveCreationViewController(UiServices& ui, QWidget* parent = nullptr);

    QString toolTitle() const override;
    QStringList documentNames() const override;
    void openFile() override { loadChart(); }
    bool takesFile(const QString& path) const override;
    void openFileAt(const QString& path) override;

    // The open dialog for the chart's measurements, then the load.
    void loadChart();

    QPushButton* loadChartButton() const { return loadChartButton_; }
    QLabel* chartFileLabel() const { return chartFileLabel_; }
    QLabel* inkCountLabel() const { return inkCountLabel_; }
    InkLimitChart* inkLimitChart() const { return inkLimitChart_; }

private:
    QString curveCaption() const override;
    QString suggestedCurvePath() const override;
    void showOwnState() override;
    QGroupBox* makeChartBox();

    QString chartPath_;
    InkLimitChart* inkLimitChart_;
    QPushButton* loadChartButton_ = nullptr;
    QLabel* chartFileLabel_ = nullptr;
    QLabel* inkCountLabel_ = nullptr;
};

}  // namespace sg
