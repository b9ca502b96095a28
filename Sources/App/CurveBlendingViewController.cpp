#include "App/CurveBlendingViewController.h"

#include <cmath>
#include <string>

#include <QAction>
#include <QButtonGroup>
#include <QChart>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLegend>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "App/BlendShareChart.h"
#include "App/CurveFileBox.h"
#include "App/InkCurveChart.h"
#include "App/SaveRow.h"
#include "App/UiServices.h"
#include "Common/TextFiles.h"

namespace sg {
namespace {

int sliderPercent(double share) {
    return static_cast<int>(std::lround(share * 100.0));
}

}  // namespace

CurveBlendingViewController::CurveBlendingViewController(UiServices& ui, QWidget* parent)
    : ToolView(ui, parent),
      curve1Box_(new CurveFileBox(tr("Curve 1"), tr("Load .quad..."), this)),
      curve2Box_(new CurveFileBox(tr("Curve 2"), tr("Load .quad..."), this)),
      shareChart_(new BlendShareChart(ui, this)),
      inkChart_(new InkCurveChart(ui, tr("Load .quad files to show ink graphs."), this)),
      showGroup_(new QButtonGroup(this)),
      saveRow_(new SaveRow(ui, tr("Save Blend..."), this)),
      loadCurve2Action_(new QAction(tr("Load Curve &2..."), this)) {
    curve1Box_->setObjectName(QStringLiteral("curve1Box"));
    curve1Box_->loadButton()->setToolTip(
        tr("The first curve; the blend is saved with its header and channel names (Ctrl+O)"));
    curve2Box_->setObjectName(QStringLiteral("curve2Box"));
    curve2Box_->loadButton()->setToolTip(
        tr("The second curve, with as many channels as the first (Ctrl+Shift+O)"));
    // One set of toggles, for whatever the graph shows: curve 1's channels are the blend's.
    curve2Box_->setChannelTogglesVisible(false);
    shareChart_->setObjectName(QStringLiteral("shareChart"));
    shareChart_->setCaption(tr("Curve 1's share of the blend"));
    inkChart_->setObjectName(QStringLiteral("inkChart"));
    // Beside the plot, where eight channel names fit a small window whole.
    inkChart_->chart()->legend()->setAlignment(Qt::AlignRight);
    saveRow_->saveButton()->setToolTip(
        tr("Saves the blend as a .quad file for QuadToneRIP, with curve 1's header and a note "
           "of the shares (Ctrl+S)"));
    loadCurve2Action_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    addAction(loadCurve2Action_);

    auto* graphs = new QVBoxLayout;
    graphs->addWidget(shareChart_, 2);
    graphs->addWidget(makeShowRow());
    graphs->addWidget(inkChart_, 3);
    arrange({curve1Box_, curve2Box_, makeZonesBox(), saveRow_}, graphs);

    connect(curve1Box_, &CurveFileBox::loadClicked, this, &CurveBlendingViewController::loadCurve1);
    connect(curve2Box_, &CurveFileBox::loadClicked, this, &CurveBlendingViewController::loadCurve2);
    connect(loadCurve2Action_, &QAction::triggered, this, &CurveBlendingViewController::loadCurve2);
    connect(curve1Box_, &CurveFileBox::showFlagsChanged, this,
            [this] { inkChart_->setShowFlags(curve1Box_->showFlags()); });
    connect(saveRow_, &SaveRow::saveClicked, this, &CurveBlendingViewController::saveBlend);
    connect(saveRow_, &SaveRow::saved, this, &CurveBlendingViewController::resultSaved);
    connect(showGroup_, &QButtonGroup::idClicked, this,
            [this](int id) { showCurve(static_cast<BlendCurve>(id)); });

    showZones();
    redrawCurveGraph();
}

QWidget* CurveBlendingViewController::makeZonesBox() {
    auto* box = new QGroupBox(tr("Curve 1's share by zone"), this);
    auto* layout = new QGridLayout(box);
    layout->setVerticalSpacing(2);
    auto* direction = new QLabel(tr("\u25c0 curve 2    curve 1 \u25b6"), box);
    layout->addWidget(direction, 0, 1, Qt::AlignHCenter);
    layout->addWidget(new QLabel(tr("Curve 1 : 2"), box), 0, 2, Qt::AlignRight);

    struct ZoneLayout {
        QString title;
        QString where;
        const char* name;
    };
    const std::array<ZoneLayout, blendZoneCount> zoneLayouts = {{
        {tr("&Whites"), tr("the whites (0 % of the input, paper white)"), "whites"},
        {tr("&Lights"), tr("the light tones (25 % of the input)"), "lights"},
        {tr("&Mids"), tr("the midtones (50 % of the input)"), "mids"},
        {tr("&Darks"), tr("the dark tones (75 % of the input)"), "darks"},
        {tr("&Blacks"), tr("the blacks (100 % of the input, maximum black)"), "blacks"},
    }};
    const QFontMetrics metrics = box->fontMetrics();
    for (std::size_t index = 0; index < blendZoneCount; ++index) {
        const ZoneLayout& zoneLayout = zoneLayouts[index];
        const auto zone = static_cast<BlendZone>(index);
        ZoneRow& row = zones_[index];
        row.slider = new QSlider(Qt::Horizontal, box);
        row.slider->setObjectName(QLatin1String(zoneLayout.name) + QStringLiteral("Slider"));
        row.slider->setRange(0, 100);
        row.slider->setPageStep(10);
        row.slider->setTickPosition(QSlider::TicksBelow);
        row.slider->setTickInterval(25);
        row.slider->setMinimumWidth(120);
        row.slider->setToolTip(tr("How much of curve 1 goes into %1, in percent; curve 2 gives "
                                  "the rest. The tones between zones change smoothly.")
                                   .arg(zoneLayout.where));
        row.readout = new QLabel(box);
        row.readout->setObjectName(QLatin1String(zoneLayout.name) + QStringLiteral("Readout"));
        row.readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.readout->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("100 % : 100 %")));
        row.readout->setToolTip(
            tr("Curve 1's share : curve 2's share of %1").arg(zoneLayout.where));
        auto* title = new QLabel(zoneLayout.title, box);
        title->setBuddy(row.slider);

        const int gridRow = static_cast<int>(index) + 1;
        layout->addWidget(title, gridRow, 0);
        layout->addWidget(row.slider, gridRow, 1);
        layout->addWidget(row.readout, gridRow, 2);
        // valueChanged, not sliderReleased: the graphs follow the drag.
        connect(row.slider, &QSlider::valueChanged, this,
                [this, zone](int percent) { zoneMoved(zone, percent); });
    }
    layout->setColumnStretch(1, 1);
    return box;
}

QWidget* CurveBlendingViewController::makeShowRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Ink graph:"), row));
    const std::array<std::pair<BlendCurve, QString>, 3> choices = {{
        {BlendCurve::curve1, tr("Curve &1")},
        {BlendCurve::curve2, tr("Curve &2")},
        {BlendCurve::blend, tr("Ble&nd")},
    }};
    for (const auto& [curve, text] : choices) {
        auto* button = new QRadioButton(text, row);
        button->setToolTip(tr("Shows this curve in the ink graph below"));
        showGroup_->addButton(button, static_cast<int>(curve));
        layout->addWidget(button);
    }
    layout->addStretch(1);
    return row;
}

QString CurveBlendingViewController::toolTitle() const {
    return QStringLiteral("Curve Blending");
}

QStringList CurveBlendingViewController::documentNames() const {
    QStringList names;
    for (const std::optional<QuadFile>* curve : {&blend_.curve1(), &blend_.curve2()}) {
        if (*curve) {
            names << QString::fromStdString((*curve)->fileName());
        }
    }
    return names;
}

CurveFileBox* CurveBlendingViewController::curveBox(BlendCurve curve) const {
    return curve == BlendCurve::curve2 ? curve2Box_ : curve1Box_;
}

QRadioButton* CurveBlendingViewController::showButton(BlendCurve curve) const {
    return static_cast<QRadioButton*>(showGroup_->button(static_cast<int>(curve)));
}

bool CurveBlendingViewController::takesFile(const QString& path) const {
    return isFileOfKind(path, FileKind::curve);
}

void CurveBlendingViewController::openFileAt(const QString& path) {
    openCurveFile(blend_.curve1() ? BlendCurve::curve2 : BlendCurve::curve1, path);
}

void CurveBlendingViewController::openFilesAt(const QStringList& paths) {
    if (paths.size() < 2) {
        ToolView::openFilesAt(paths);
        return;
    }
    openCurveFile(BlendCurve::curve1, paths.first());
    for (const QString& path : paths.mid(1)) {
        openCurveFile(BlendCurve::curve2, path);
    }
}

void CurveBlendingViewController::loadCurve1() {
    if (const std::optional<QString> path =
            ui().chooseFileToOpen(FileKind::curve, tr("Choose curve 1 of the blend"))) {
        openCurveFile(BlendCurve::curve1, *path);
    }
}

void CurveBlendingViewController::loadCurve2() {
    if (const std::optional<QString> path =
            ui().chooseFileToOpen(FileKind::curve, tr("Choose curve 2 of the blend"))) {
        openCurveFile(BlendCurve::curve2, *path);
    }
}

void CurveBlendingViewController::openCurveFile(BlendCurve curve, const QString& path) {
    const bool first = curve == BlendCurve::curve1;
    const std::filesystem::path file = toFilesystemPath(path);
    const Outcome loaded = first ? blend_.loadCurve1(file) : blend_.loadCurve2(file);
    if (loaded.isRefused()) {
        refuseFile(path, *loaded.alert());
        return;
    }
    const QuadFile& taken = first ? *blend_.curve1() : *blend_.curve2();
    curveBox(curve)->showFile(path, taken.labels(), taken.curve());
    // A new curve 1 shows the blend it makes; a new curve 2 shows itself.
    shown_ = first && blend_.channelCountsMatch() ? BlendCurve::blend : curve;
    redrawCurveGraph();
    setUnsavedResult(blend_.channelCountsMatch());
    opened(path);
    if (loaded.alert()) {
        ui().showAlert(*loaded.alert());
    }
}

void CurveBlendingViewController::zoneMoved(BlendZone zone, int percent) {
    blend_.setCurve1Percent(zone, percent);
    showZones();
    if (blend_.channelCountsMatch()) {
        shown_ = BlendCurve::blend;
        redrawCurveGraph();
        setUnsavedResult(true);
    }
}

void CurveBlendingViewController::showCurve(BlendCurve curve) {
    shown_ = curve;
    redrawCurveGraph();
}

void CurveBlendingViewController::saveBlend() {
    if (!blend_.canSave()) {
        return;
    }
    // The blend is checked first, so that curves that cannot blend are told before a dialog.
    const Outcome refused = blend_.saveBlend([this](std::string_view text) {
        const std::string contents(text);
        saveRow_->save(
            {tr("Save the blend"),
             suggestedSavePath(curve1Box_->filePath(), QStringLiteral("blend"), FileKind::curve),
             [&contents](const std::filesystem::path& path) {
                 return saveTextFile(path, contents);
             },
             [this](const std::filesystem::path& folder) {
                 return blend_.exportGutenprintXml(folder);
             },
             blend_.curve1()->channelCount()});
        // The save row has told the user whatever happened.
        return Outcome();
    });
    if (refused.isRefused()) {
        ui().showAlert(*refused.alert());
        redrawCurveGraph();
        setUnsavedResult(false);
    }
}

void CurveBlendingViewController::showZones() {
    std::array<double, blendZoneCount> shares{};
    for (std::size_t index = 0; index < blendZoneCount; ++index) {
        const auto zone = static_cast<BlendZone>(index);
        shares[index] = blend_.curve1Share(zone);
        const int percent = sliderPercent(shares[index]);
        const ZoneRow& row = zones_[index];
        const QSignalBlocker blocker(row.slider);
        row.slider->setValue(percent);
        row.readout->setText(QStringLiteral("%1 % : %2 %").arg(percent).arg(100 - percent));
    }
    shareChart_->setShares(blend_.curve1ShareCurve(), shares);
}

void CurveBlendingViewController::redrawCurveGraph() {
    const std::optional<QuadFile>& curve1 = blend_.curve1();
    const std::optional<QuadFile>& curve2 = blend_.curve2();
    const bool blendShown = blend_.channelCountsMatch();
    showButton(BlendCurve::curve1)->setEnabled(curve1.has_value());
    showButton(BlendCurve::curve2)->setEnabled(curve2.has_value());
    showButton(BlendCurve::blend)->setEnabled(blendShown);

    const auto name = [](const std::optional<QuadFile>& file) {
        return QString::fromStdString(file->fileName());
    };
    if (shown_ == BlendCurve::blend && blendShown) {
        inkChart_->setCaption(tr("Blend of %1 and %2").arg(name(curve1), name(curve2)));
        inkChart_->setCurve(blend_.blendedCurve());
    } else if (shown_ == BlendCurve::curve1 && curve1) {
        inkChart_->setCaption(tr("Curve 1: %1").arg(name(curve1)));
        inkChart_->setCurve(curve1->curve());
    } else if (shown_ == BlendCurve::curve2 && curve2) {
        inkChart_->setCaption(tr("Curve 2: %1").arg(name(curve2)));
        inkChart_->setCurve(curve2->curve());
    } else {
        inkChart_->setCaption(QString());
        inkChart_->clearCurve();
    }
    QAbstractButton* checked = showGroup_->button(static_cast<int>(shown_));
    const bool showing = !inkChart_->isShowingPlaceholder();
    showGroup_->setExclusive(showing);
    for (QAbstractButton* button : showGroup_->buttons()) {
        button->setChecked(showing && button == checked);
    }
    saveRow_->setSaveEnabled(blend_.canSave());
}

}  // namespace sg
