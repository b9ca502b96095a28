#pragma once

#include <array>

#include <QString>

#include "App/ToolView.h"
#include "CurveTools/CurveBlend.h"

class QAction;
class QButtonGroup;
class QLabel;
class QRadioButton;
class QSlider;

namespace sg {

class BlendShareChart;
class CurveFileBox;
class InkCurveChart;
class SaveRow;

// The two loaded curves and their blend, as the curve graph shows them.
enum class BlendCurve { curve1, curve2, blend };

// The Curve Blending tab: two curves loaded, five zone sliders setting curve 1's share from
// the whites to the blacks (curve 2 has the rest), the share graph, the curve graph showing
// curve 1, curve 2 or the blend, and the blend's save. Every control calls one CurveBlend
// action, then the view redraws from its state.
//
// Files from a drop or the command line: curve 1 while it is not loaded, then curve 2; two
// files at once are curve 1 and curve 2, in that order.
class CurveBlendingViewController : public ToolView {
    Q_OBJECT

public:
    explicit CurveBlendingViewController(UiServices& ui, QWidget* parent = nullptr);

    QString toolTitle() const override;
    QStringList documentNames() const override;
    // Open (Ctrl+O) loads curve 1; Load Curve 2 (Ctrl+Shift+O, in the File menu) curve 2.
    void openFile() override { loadCurve1(); }
    void saveFile() override { saveBlend(); }
    bool canSave() const override { return blend_.canSave(); }
    QList<QAction*> fileMenuActions() const override { return {loadCurve2Action_}; }
    bool takesFile(const QString& path) const override;
    void openFileAt(const QString& path) override;
    void openFilesAt(const QStringList& paths) override;

    // The user actions that start with a dialog.
    void loadCurve1();
    void loadCurve2();
    void saveBlend();

    const CurveBlend& tool() const { return blend_; }
    BlendCurve shownCurve() const { return shown_; }
    CurveFileBox* curveBox(BlendCurve curve) const;
    QSlider* zoneSlider(BlendZone zone) const { return zoneRow(zone).slider; }
    // "80 % : 20 %": curve 1's share and curve 2's.
    QLabel* zoneReadout(BlendZone zone) const { return zoneRow(zone).readout; }
    QRadioButton* showButton(BlendCurve curve) const;
    BlendShareChart* shareChart() const { return shareChart_; }
    InkCurveChart* inkChart() const { return inkChart_; }
    SaveRow* saveRow() const { return saveRow_; }
    QAction* loadCurve2Action() const { return loadCurve2Action_; }

private:
    struct ZoneRow {
        QSlider* slider = nullptr;
        QLabel* readout = nullptr;
    };

    const ZoneRow& zoneRow(BlendZone zone) const { return zones_[static_cast<std::size_t>(zone)]; }
    QWidget* makeZonesBox();
    QWidget* makeShowRow();

    void openCurveFile(BlendCurve curve, const QString& path);
    void zoneMoved(BlendZone zone, int percent);
    void showCurve(BlendCurve curve);
    void showZones();
    void redrawCurveGraph();

    CurveBlend blend_;
    BlendCurve shown_ = BlendCurve::curve1;

    CurveFileBox* curve1Box_;
    CurveFileBox* curve2Box_;
    std::array<ZoneRow, blendZoneCount> zones_;
    BlendShareChart* shareChart_;
    InkCurveChart* inkChart_;
    QButtonGroup* showGroup_;
    SaveRow* saveRow_;
    QAction* loadCurve2Action_;
};

}  // namespace sg
