#pragma once

#include "App/CurveCreationView.h"
#include "CurveCreation/ManualCurveCreation.h"

namespace sg {

// The Manual Curve Creation tab: the photographer chooses the printer model and, slot by slot
// from the darkest ink, the inks with their limits, gray values and overlaps; the curve graph
// follows every change, and the curve is saved in the printer model's channel order. There is
// no file to open.
class ManualCurveCreationViewController : public CurveCreationViewOn<ManualCurveCreation> {
    Q_OBJECT

public:
    explicit ManualCurveCreationViewController(UiServices& ui, QWidget* parent = nullptr);

    QString toolTitle() const override;
    QStringList documentNames() const override { return {}; }
    void openFile() override {}
    bool takesFile(const QString&) const override { return false; }
    void openFileAt(const QString&) override {}

private:
    QString curveCaption() const override;
    QString suggestedCurvePath() const override;
};

}  // namespace sg
