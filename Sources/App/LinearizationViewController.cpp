#include "App/LinearizationViewController.h"

#include <string>

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "App/FilePaths.h"
#include "App/InkCurveChart.h"
#include "App/InkCurveColors.h"
#include "App/LinearizationMeasurementChart.h"
#include "App/UiServices.h"
#include "Common/Numbers.h"

namespace sg {
namespace {

using namespace Qt::StringLiterals;
using Ranges = LinearizationControlRanges;

const char* const channelToggleNames[LinearizationViewController::channelToggleCount] = {
    "K", "C", "M", "Y", "LC", "LM", "LK", "LLK", "OR", "GR"};

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// A small square in the channel's line colour, so a toggle is easy to match with its line.
QIcon swatch(const QColor& color) {
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(90, 90, 90));
    painter.setBrush(color);
    painter.drawRect(0, 0, 11, 11);
    return QIcon(pixmap);
}

QString percentText(double value) {
    return QString::number(value, 'f', 2) + QStringLiteral(" %");
}

}  // namespace

LinearizationViewController::LinearizationViewController(UiServices& ui, QWidget* parent)
    : ToolView(parent),
      ui_(ui),
      measurementChart_(
          new LinearizationMeasurementChart(tr("Load measurement data to show graphs."), this)),
      inkChart_(new InkCurveChart(tr("Load .quad file to show ink graphs."), this)),
      patchOrderWarning_(new QLabel(this)) {
    measurementChart_->setObjectName(QStringLiteral("measurementChart"));
    inkChart_->setObjectName(QStringLiteral("inkChart"));
    patchOrderWarning_->setObjectName(QStringLiteral("patchOrderWarning"));
    patchOrderWarning_->setStyleSheet(QStringLiteral("color: #b03000;"));
    // The line keeps its place when empty, so the graph does not jump when a warning comes.
    patchOrderWarning_->setMinimumHeight(patchOrderWarning_->fontMetrics().height());

    // One grid, so both graphs keep the same height above the warning line.
    auto* graphs = new QGridLayout;
    graphs->addWidget(measurementChart_, 0, 0);
    graphs->addWidget(inkChart_, 0, 1);
    graphs->addWidget(patchOrderWarning_, 1, 0);
    graphs->setRowStretch(0, 1);
    graphs->setColumnStretch(0, 1);
    graphs->setColumnStretch(1, 1);

    auto* firstColumn = new QVBoxLayout;
    firstColumn->addWidget(makeMeasurementsBox());
    firstColumn->addWidget(makeSmoothingBox());
    auto* controls = new QHBoxLayout;
    controls->addLayout(firstColumn, 0);
    controls->addWidget(makeControlPointsBox(), 0);
    controls->addWidget(makeCurveBox(), 0);
    controls->addWidget(makeNotesBox(), 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(graphs, 1);
    layout->addLayout(controls, 0);

    loadMeasurementsAction_ = new QAction(tr("Load &Measurements..."), this);
    loadMeasurementsAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    addAction(loadMeasurementsAction_);
    connect(loadMeasurementsAction_, &QAction::triggered, this,
            &LinearizationViewController::loadMeasurements);

    showToolState();
}

QGroupBox* LinearizationViewController::makeMeasurementsBox() {
    auto* box = new QGroupBox(tr("Measurements"), this);
    auto* load = new QPushButton(tr("Load Measurements..."), box);
    load->setObjectName(QStringLiteral("loadMeasurementsButton"));
    load->setToolTip(
        tr("A measured step wedge: CGATS, instrument export or L* list (.txt, "
           ".csv). Ctrl+Shift+O"));
    measurementFileLabel_ = new QLabel(box);
    measurementFileLabel_->setObjectName(QStringLiteral("measurementFileLabel"));
    measurementFileLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long name is cut off rather than widening the tab; the tooltip has all of it.
    measurementFileLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    dmaxLabel_ = new QLabel(box);
    dmaxLabel_->setObjectName(QStringLiteral("dmaxLabel"));
    dmaxLabel_->setToolTip(tr("Maximum density of the darkest patch"));
    linearityLabel_ = new QLabel(box);
    linearityLabel_->setObjectName(QStringLiteral("linearityLabel"));
    linearityLabel_->setToolTip(
        tr("Largest and mean distance of the measured patches from the straight line between "
           "the lightest and the darkest patch"));

    auto* layout = new QGridLayout(box);
    layout->addWidget(load, 0, 0, 1, 2);
    layout->addWidget(measurementFileLabel_, 1, 0, 1, 2);
    layout->addWidget(new QLabel(tr("Dmax:"), box), 2, 0);
    layout->addWidget(dmaxLabel_, 2, 1);
    layout->addWidget(new QLabel(tr("Off linear:"), box), 3, 0);
    layout->addWidget(linearityLabel_, 3, 1);
    layout->setColumnStretch(1, 1);

    connect(load, &QPushButton::clicked, this, &LinearizationViewController::loadMeasurements);
    return box;
}

QGroupBox* LinearizationViewController::makeSmoothingBox() {
    auto* box = new QGroupBox(tr("Smoothing"), this);
    averagingWindowBox_ = new QSpinBox(box);
    averagingWindowBox_->setObjectName(QStringLiteral("averagingWindowBox"));
    averagingWindowBox_->setRange(Ranges::windowMinimum, Ranges::windowMaximum);
    averagingWindowBox_->setValue(Ranges::windowStart);
    averagingWindowBox_->setKeyboardTracking(false);
    averagingWindowBox_->setToolTip(
        tr("Moving average over the input levels: 0 to 3 leave the response as measured, from "
           "4 on every level is averaged with w/4 neighbours on each side"));
    splineSettingBox_ = new QDoubleSpinBox(box);
    splineSettingBox_->setObjectName(QStringLiteral("splineSettingBox"));
    splineSettingBox_->setRange(Ranges::splineMinimum, Ranges::splineMaximum);
    splineSettingBox_->setSingleStep(Ranges::splineStep);
    splineSettingBox_->setDecimals(2);
    splineSettingBox_->setValue(Ranges::splineStart);
    splineSettingBox_->setKeyboardTracking(false);
    splineSettingBox_->setToolTip(
        tr("1.00 smooths as the measurement load does; further from 1.00, either way, the "
           "spline runs through fewer points"));

    auto* layout = new QGridLayout(box);
    auto* windowLabel = new QLabel(tr("Averaging &window (levels):"), box);
    windowLabel->setBuddy(averagingWindowBox_);
    auto* splineLabel = new QLabel(tr("S&pline setting:"), box);
    splineLabel->setBuddy(splineSettingBox_);
    layout->addWidget(windowLabel, 0, 0);
    layout->addWidget(averagingWindowBox_, 0, 1);
    layout->addWidget(splineLabel, 1, 0);
    layout->addWidget(splineSettingBox_, 1, 1);

    connect(averagingWindowBox_, &QSpinBox::valueChanged, this,
            &LinearizationViewController::setAveragingWindow);
    connect(splineSettingBox_, &QDoubleSpinBox::valueChanged, this,
            &LinearizationViewController::setSplineSetting);
    return box;
}

QGroupBox* LinearizationViewController::makeControlPointsBox() {
    controlPointsBox_ = new QGroupBox(tr("Tone control points"), this);
    controlPointsBox_->setObjectName(QStringLiteral("controlPointsBox"));
    QGroupBox* box = controlPointsBox_;
    auto* layout = new QGridLayout(box);
    layout->addWidget(new QLabel(tr("Input"), box), 0, 1);
    layout->addWidget(new QLabel(tr("Adjust (%)"), box), 0, 2, Qt::AlignHCenter);
    layout->addWidget(new QLabel(tr("Output"), box), 0, 3);

    struct PointRowLayout {
        ControlPoint which;
        QString title;
        const char* inputName;
        const char* sliderName;
        const char* outputName;
        double start;
    };
    const PointRowLayout pointRows[] = {
        {ControlPoint::shadow, tr("&Shadow"), "shadowInputBox", "shadowSlider", "shadowOutputLabel",
         ToneControlPoints::defaultShadowInput},
        {ControlPoint::midtone, tr("&Midtone"), "midtoneInputBox", "midtoneSlider",
         "midtoneOutputLabel", ToneControlPoints::defaultMidtoneInput},
        {ControlPoint::highlight, tr("Hi&ghlight"), "highlightInputBox", "highlightSlider",
         "highlightOutputLabel", ToneControlPoints::defaultHighlightInput},
    };
    int gridRow = 1;
    for (const PointRowLayout& point : pointRows) {
        ControlPointRow& controls = rows_[static_cast<std::size_t>(point.which)];
        controls.input = new QDoubleSpinBox(box);
        controls.input->setObjectName(QLatin1String(point.inputName));
        controls.input->setRange(ToneControlPoints::lowestInput, ToneControlPoints::highestInput);
        controls.input->setDecimals(1);
        controls.input->setSingleStep(1.0);
        controls.input->setSuffix(QStringLiteral(" %"));
        controls.input->setValue(point.start);
        controls.input->setKeyboardTracking(false);
        controls.input->setToolTip(
            tr("Where the point sits, in percent of the input (1 to 99); shadow, midtone and "
               "highlight must rise in that order"));
        controls.slider = new QSlider(Qt::Horizontal, box);
        controls.slider->setObjectName(QLatin1String(point.sliderName));
        controls.slider->setRange(Ranges::sliderMinimum, Ranges::sliderMaximum);
        controls.slider->setValue(Ranges::sliderStart);
        controls.slider->setTickPosition(QSlider::TicksBelow);
        controls.slider->setTickInterval(25);
        controls.slider->setMinimumWidth(110);
        controls.slider->setToolTip(
            tr("Bends the target at this point: +20 sets the output 20 % below the input"));
        controls.output = new QLabel(box);
        controls.output->setObjectName(QLatin1String(point.outputName));
        controls.output->setMinimumWidth(
            controls.output->fontMetrics().horizontalAdvance(QStringLiteral("100.00 %")));
        controls.output->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        controls.output->setToolTip(tr("The target's output at this point, in percent"));

        auto* title = new QLabel(point.title, box);
        title->setBuddy(controls.input);
        layout->addWidget(title, gridRow, 0);
        layout->addWidget(controls.input, gridRow, 1);
        layout->addWidget(controls.slider, gridRow, 2);
        layout->addWidget(controls.output, gridRow, 3);
        ++gridRow;

        const ControlPoint which = point.which;
        connect(controls.input, &QDoubleSpinBox::valueChanged, this,
                [this, which] { controlPointChanged(which); });
        // valueChanged, not sliderReleased: the graphs follow the drag.
        connect(controls.slider, &QSlider::valueChanged, this,
                [this, which] { controlPointChanged(which); });
    }

    resetButton_ = new QPushButton(tr("Reset"), box);
    resetButton_->setObjectName(QStringLiteral("resetButton"));
    resetButton_->setToolTip(tr("Inputs back to 25, 50 and 75 %, adjustments back to 0"));
    controlPointMessage_ = new QLabel(box);
    controlPointMessage_->setObjectName(QStringLiteral("controlPointMessage"));
    controlPointMessage_->setWordWrap(true);
    controlPointMessage_->setStyleSheet(QStringLiteral("color: #b03000;"));
    layout->addWidget(resetButton_, gridRow, 0);
    layout->addWidget(controlPointMessage_, gridRow, 1, 1, 3);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(gridRow + 1, 1);

    connect(resetButton_, &QPushButton::clicked, this,
            &LinearizationViewController::resetControlPoints);
    return box;
}

QGroupBox* LinearizationViewController::makeCurveBox() {
    auto* box = new QGroupBox(tr("Curve"), this);
    auto* load = new QPushButton(tr("Load .quad..."), box);
    load->setObjectName(QStringLiteral("loadQuadButton"));
    load->setToolTip(tr("The curve that printed the measured wedge. Ctrl+O"));
    curveFileLabel_ = new QLabel(box);
    curveFileLabel_->setObjectName(QStringLiteral("curveFileLabel"));
    curveFileLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    curveFileLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* toggles = new QGridLayout;
    toggles->setHorizontalSpacing(6);
    toggles->setVerticalSpacing(2);
    for (int channel = 0; channel < channelToggleCount; ++channel) {
        auto* toggle = new QCheckBox(QLatin1String(channelToggleNames[channel]), box);
        toggle->setObjectName(QStringLiteral("show") + QLatin1String(channelToggleNames[channel]));
        toggle->setChecked(true);
        toggle->setIcon(swatch(channelSeriesStyle(static_cast<std::size_t>(channel)).color));
        toggle->setToolTip(
            tr("Show channel %1 in the ink graph (the saved curve keeps it)").arg(channel + 1));
        toggles->addWidget(toggle, channel / 5, channel % 5);
        channelToggles_[static_cast<std::size_t>(channel)] = toggle;
        connect(toggle, &QCheckBox::toggled, this,
                &LinearizationViewController::showChannelsChanged);
    }

    originalCurvesButton_ = new QPushButton(tr("Show Original Curves"), box);
    originalCurvesButton_->setObjectName(QStringLiteral("originalCurvesButton"));
    originalCurvesButton_->setCheckable(true);
    exportXmlCheck_ = new QCheckBox(tr("Also export Gutenprint XML"), box);
    exportXmlCheck_->setObjectName(QStringLiteral("exportXmlCheck"));
    exportXmlCheck_->setToolTip(
        tr("After saving, asks for a folder and writes one XML curve file per channel"));
    saveButton_ = new QPushButton(tr("Save Linearized Curve..."), box);
    saveButton_->setObjectName(QStringLiteral("saveButton"));

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(load);
    fileRow->addWidget(curveFileLabel_, 1);
    auto* saveRow = new QHBoxLayout;
    saveRow->addWidget(exportXmlCheck_);
    saveRow->addStretch(1);
    saveRow->addWidget(saveButton_);
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(fileRow);
    layout->addLayout(toggles);
    layout->addWidget(originalCurvesButton_);
    layout->addStretch(1);
    layout->addLayout(saveRow);

    connect(load, &QPushButton::clicked, this, &LinearizationViewController::loadCurve);
    connect(originalCurvesButton_, &QPushButton::toggled, this,
            &LinearizationViewController::showOriginalCurve);
    connect(saveButton_, &QPushButton::clicked, this,
            &LinearizationViewController::saveLinearizedCurve);
    return box;
}

QGroupBox* LinearizationViewController::makeNotesBox() {
    auto* box = new QGroupBox(tr("Notes"), this);
    notesEdit_ = new QPlainTextEdit(box);
    notesEdit_->setObjectName(QStringLiteral("notesEdit"));
    notesEdit_->setPlaceholderText(tr("Saved as comment lines at the top of the curve file"));
    notesEdit_->setMinimumWidth(150);
    // Tab leaves the notes, as it leaves every other control, instead of typing a tab.
    notesEdit_->setTabChangesFocus(true);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(notesEdit_);
    return box;
}

QString LinearizationViewController::toolTitle() const {
    return QStringLiteral("Linearization");
}

bool LinearizationViewController::canSave() const {
    return tool_.canSave();
}

bool LinearizationViewController::takesDroppedFile(const QString& path) const {
    return hasSuffix(path, {"quad"_L1, "txt"_L1, "csv"_L1});
}

void LinearizationViewController::openDroppedFile(const QString& path) {
    if (hasSuffix(path, {"quad"_L1})) {
        loadQuadFile(path);
    } else if (hasSuffix(path, {"txt"_L1, "csv"_L1})) {
        loadMeasurementFile(path);
    }
}

std::vector<bool> LinearizationViewController::showFlags() const {
    std::vector<bool> flags;
    flags.reserve(channelToggles_.size());
    for (const QCheckBox* toggle : channelToggles_) {
        flags.push_back(toggle->isChecked());
    }
    return flags;
}

void LinearizationViewController::loadMeasurements() {
    const std::optional<QString> path = ui_.chooseFileToOpen(
        tr("Choose a measurement file"), {QStringLiteral("txt"), QStringLiteral("csv")});
    if (path) {
        loadMeasurementFile(*path);
    }
}

void LinearizationViewController::loadMeasurementFile(const QString& path) {
    if (const Outcome loaded = tool_.loadMeasurements(toFilesystemPath(path)); loaded.isRefused()) {
        // The tool kept the measurement in use, and so does every read-out.
        ui_.showAlert(*loaded.alert());
        return;
    }
    showLinearizedCurves();
    showToolState();
}

void LinearizationViewController::loadCurve() {
    const std::optional<QString> path =
        ui_.chooseFileToOpen(tr("Choose a quad file"), {QStringLiteral("quad")});
    if (path) {
        loadQuadFile(*path);
    }
}

void LinearizationViewController::loadQuadFile(const QString& path) {
    const Outcome loaded = tool_.loadQuadFile(toFilesystemPath(path));
    // Without a correction the file is still taken, and is linearized by the next
    // measurement load; its notes belong in the notes view from now on.
    if (!loaded.isRefused()) {
        notesEdit_->setPlainText(fromStd(tool_.curveFile()->notes()));
        showLinearizedCurves();
        showToolState();
    }
    if (loaded.alert()) {
        ui_.showAlert(*loaded.alert());
    }
}

void LinearizationViewController::saveLinearizedCurve() {
    if (!canSave()) {
        ui_.showAlert(failedToLinearizeAlert());
        return;
    }
    const std::optional<QString> path = ui_.chooseFileToSave(QStringLiteral("quad"));
    if (!path) {
        return;
    }
    const std::string notes = notesEdit_->toPlainText().toStdString();
    if (const Outcome saved = tool_.saveLinearizedCurve(toFilesystemPath(*path), notes);
        saved.isRefused()) {
        ui_.showAlert(*saved.alert());
        return;
    }
    if (!exportXmlCheck_->isChecked()) {
        return;
    }
    const std::optional<QString> folder = ui_.chooseFolder();
    if (!folder) {
        return;
    }
    if (const Outcome exported = tool_.exportGutenprintXml(toFilesystemPath(*folder));
        exported.isRefused()) {
        ui_.showAlert(*exported.alert());
    }
}

void LinearizationViewController::resetControlPoints() {
    tool_.resetControlPoints();
    controlPointMessage_->clear();
    showLinearizedCurves();
    showToolState();
}

void LinearizationViewController::setAveragingWindow(int windowSize) {
    tool_.setAveragingWindow(windowSize);
    showLinearizedCurves();
    showToolState();
}

void LinearizationViewController::setSplineSetting(double splineControl) {
    tool_.setSplineSetting(splineControl);
    showLinearizedCurves();
    showToolState();
}

void LinearizationViewController::controlPointChanged(ControlPoint which) {
    const ControlPointRow& controls = row(which);
    const Outcome moved = tool_.setControlPoint(which, controls.input->value(),
                                                static_cast<double>(controls.slider->value()));
    if (moved.isRefused()) {
        // The entry goes back to the input in use (showControlPoints below).
        controlPointMessage_->setText(fromStd(moved.alert()->title + ": " + moved.alert()->text));
    } else {
        controlPointMessage_->clear();
        showLinearizedCurves();
    }
    showToolState();
}

void LinearizationViewController::showOriginalCurve(bool original) {
    originalCurvesButton_->setText(original ? tr("Show Linearized Curves")
                                            : tr("Show Original Curves"));
    redrawInkGraph();
}

void LinearizationViewController::showChannelsChanged() {
    inkChart_->setShowFlags(showFlags());
}

void LinearizationViewController::showLinearizedCurves() {
    if (!tool_.linearizedCurve()) {
        return;
    }
    const QSignalBlocker blocker(originalCurvesButton_);
    originalCurvesButton_->setChecked(false);
    originalCurvesButton_->setText(tr("Show Original Curves"));
}

void LinearizationViewController::showToolState() {
    showMeasurementState();
    showControlPoints();
    showCurveState();
    redrawMeasurementGraph();
    redrawInkGraph();
    emit saveAvailabilityChanged();
}

void LinearizationViewController::showMeasurementState() {
    const std::optional<std::string>& name = tool_.measurementFileName();
    measurementFileLabel_->setText(name ? fromStd(*name) : tr("No measurements loaded"));
    measurementFileLabel_->setToolTip(measurementFileLabel_->text());
    if (tool_.hasCorrection()) {
        dmaxLabel_->setText(fromStd(formatFixed(tool_.correction().maximumDensity, 2)));
    } else {
        dmaxLabel_->setText(tr("-"));
    }
    const std::optional<LinearityReadout>& linearity = tool_.linearity();
    if (linearity) {
        linearityLabel_->setText(tr("max %1 L*, mean %2 L*")
                                     .arg(fromStd(linearity->maximumDeviationText()),
                                          fromStd(linearity->meanDeviationText())));
        patchOrderWarning_->setText(fromStd(linearity->warningText()));
    } else {
        linearityLabel_->setText(tr("-"));
        patchOrderWarning_->clear();
    }

    const QSignalBlocker windowBlocker(averagingWindowBox_);
    const QSignalBlocker splineBlocker(splineSettingBox_);
    averagingWindowBox_->setValue(tool_.averagingWindow());
    splineSettingBox_->setValue(tool_.splineSetting());
}

void LinearizationViewController::showControlPoints() {
    // The points only act on a correction; before the first measurement they are fixed.
    const bool active = tool_.hasCorrection();
    controlPointsBox_->setEnabled(active);
    const ToneControlPoints& points = tool_.controlPoints();
    const std::pair<ControlPoint, const ToneControlPoint*> shown[] = {
        {ControlPoint::shadow, &points.shadow},
        {ControlPoint::midtone, &points.midtone},
        {ControlPoint::highlight, &points.highlight},
    };
    for (const auto& [which, point] : shown) {
        const ControlPointRow& controls = row(which);
        const QSignalBlocker inputBlocker(controls.input);
        const QSignalBlocker sliderBlocker(controls.slider);
        controls.input->setValue(point->input);
        // The slider is the adjustment with its sign inverted.
        controls.slider->setValue(static_cast<int>(-point->adjustment));
        controls.output->setText(active ? percentText(point->output) : tr("-"));
    }
}

void LinearizationViewController::showCurveState() {
    const std::optional<QuadFile>& file = tool_.curveFile();
    if (file) {
        curveFileLabel_->setText(
            tr("%1 (%2 channels)").arg(fromStd(file->fileName())).arg(file->channelCount()));
    } else {
        curveFileLabel_->setText(tr("No .quad file loaded"));
    }
    curveFileLabel_->setToolTip(curveFileLabel_->text());
    const int channels = file ? static_cast<int>(file->channelCount()) : 0;
    for (int channel = 0; channel < channelToggleCount; ++channel) {
        channelToggles_[static_cast<std::size_t>(channel)]->setEnabled(channel < channels);
    }
    originalCurvesButton_->setEnabled(tool_.linearizedCurve().has_value());
    saveButton_->setEnabled(canSave());
}

void LinearizationViewController::redrawMeasurementGraph() {
    if (!tool_.hasCorrection()) {
        measurementChart_->clearSeries();
        return;
    }
    const CorrectionCurve& correction = tool_.correction();
    // The target's last sample is the pinned end point that the linearization never reads.
    std::vector<double> target = correction.target;
    if (target.size() > 255) {
        target.resize(255);
    }
    measurementChart_->setSeries(correction.resampledLightness, correction.smoothedResponse,
                                 correction.linearTarget, target);
}

void LinearizationViewController::redrawInkGraph() {
    const std::optional<QuadFile>& file = tool_.curveFile();
    const std::optional<QuadCurve>& linearized = tool_.linearizedCurve();
    if (!file || !linearized) {
        inkChart_->setPlaceholderText(file ? tr("Load measurement data to linearize this curve.")
                                           : tr("Load .quad file to show ink graphs."));
        inkChart_->clearCurve();
        return;
    }
    inkChart_->setCurve(originalCurvesButton_->isChecked() ? file->curve() : *linearized);
}

}  // namespace sg
