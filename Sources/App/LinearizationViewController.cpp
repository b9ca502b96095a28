#include "App/LinearizationViewController.h"

#include <algorithm>
#include <cmath>
#include <string>

#include <QAction>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "App/CurveFileBox.h"
#include "App/InkCurveChart.h"
#include "App/LinearizationMeasurementChart.h"
#include "App/SaveRow.h"
#include "App/UiServices.h"
#include "Common/Numbers.h"

namespace sg {
namespace {

using Ranges = LinearizationControlRanges;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// "largest 1.4 L*, mean 0.6 L*": how far from even steps of lightness.
QString deviationText(const std::string& largest, const std::string& mean) {
    return QObject::tr("largest %1 L*, mean %2 L*").arg(fromStd(largest), fromStd(mean));
}

QLabel* warningLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #b03000;"));
    return label;
}

// The slider position of a strength the tool holds (the nearest one offered).
int splinePositionOf(double strength) {
    const auto& strengths = Ranges::splineStrengths;
    const auto nearest = std::min_element(
        strengths.begin(), strengths.end(),
        [&](double a, double b) { return std::abs(a - strength) < std::abs(b - strength); });
    return static_cast<int>(nearest - strengths.begin());
}

}  // namespace

LinearizationViewController::LinearizationViewController(UiServices& ui, QWidget* parent)
    : ToolView(ui, parent),
      measurementChart_(
          new LinearizationMeasurementChart(ui, tr("Load measurement data to show graphs."), this)),
      inkChart_(new InkCurveChart(ui, tr("Load .quad file to show ink graphs."), this)),
      curveBox_(new CurveFileBox(tr("Curve"), tr("Load .quad..."), this)),
      saveRow_(new SaveRow(ui, tr("Save Linearized Curve..."), this)) {
    measurementChart_->setObjectName(QStringLiteral("measurementChart"));
    measurementChart_->setCaption(tr("Measured and target lightness"));
    inkChart_->setObjectName(QStringLiteral("inkChart"));
    curveBox_->loadButton()->setToolTip(
        tr("The .quad curve that printed the measured wedge (Ctrl+O)"));
    originalCurvesButton_ = new QPushButton(tr("Show Original Curves"));
    originalCurvesButton_->setObjectName(QStringLiteral("originalCurvesButton"));
    originalCurvesButton_->setCheckable(true);
    originalCurvesButton_->setToolTip(
        tr("Switches the ink graph between the curve as loaded and the linearized curve"));
    curveBox_->addControl(originalCurvesButton_);
    saveRow_->saveButton()->setToolTip(
        tr("Saves the linearized curve as a .quad file for QuadToneRIP (Ctrl+S)"));

    auto* graphs = new QVBoxLayout;
    graphs->addWidget(measurementChart_, 1);
    graphs->addWidget(inkChart_, 1);
    arrange({makeMeasurementsBox(), makeSmoothingBox(), makeControlPointsBox(), curveBox_,
             makeNotesBox(), saveRow_},
            graphs);

    loadMeasurementsAction_ = new QAction(tr("Load &Measurements..."), this);
    loadMeasurementsAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    addAction(loadMeasurementsAction_);
    connect(loadMeasurementsAction_, &QAction::triggered, this,
            &LinearizationViewController::loadMeasurements);
    connect(curveBox_, &CurveFileBox::loadClicked, this, &LinearizationViewController::loadCurve);
    connect(curveBox_, &CurveFileBox::showFlagsChanged, this,
            [this] { inkChart_->setShowFlags(curveBox_->showFlags()); });
    connect(originalCurvesButton_, &QPushButton::toggled, this,
            &LinearizationViewController::showOriginalCurve);
    connect(saveRow_, &SaveRow::saveClicked, this,
            &LinearizationViewController::saveLinearizedCurve);
    connect(saveRow_, &SaveRow::saved, this, &LinearizationViewController::resultSaved);

    showToolState();
}

QGroupBox* LinearizationViewController::makeMeasurementsBox() {
    auto* box = new QGroupBox(tr("Measurements"), this);
    auto* load = new QPushButton(tr("Load Measurements..."), box);
    load->setObjectName(QStringLiteral("loadMeasurementsButton"));
    load->setToolTip(
        tr("The measured step wedge, paper white first: a CGATS file, an instrument export or "
           "a list of L* values (.txt, .csv, .ti3). Ctrl+Shift+O"));
    measurementFileLabel_ = new QLabel(box);
    measurementFileLabel_->setObjectName(QStringLiteral("measurementFileLabel"));
    measurementFileLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    measurementFileLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    measurementFileLabel_->setMinimumWidth(60);
    dmaxLabel_ = new QLabel(box);
    dmaxLabel_->setObjectName(QStringLiteral("dmaxLabel"));
    dmaxLabel_->setToolTip(
        tr("Density of the darkest patch: the deepest black of this ink on this paper"));
    linearityLabel_ = new QLabel(box);
    linearityLabel_->setObjectName(QStringLiteral("linearityLabel"));
    linearityLabel_->setToolTip(
        tr("How far the measured patches are from even steps of lightness, in L* (largest and "
           "mean; 0 is already linear)"));
    predictedLinearityLabel_ = new QLabel(box);
    predictedLinearityLabel_->setObjectName(QStringLiteral("predictedLinearityLabel"));
    predictedLinearityLabel_->setToolTip(
        tr("How far the next print of the linearized curve is expected to be from even steps of "
           "lightness with the chosen method and smoothing, in L* (largest and mean over the 256 "
           "input levels), if the printer prints as the smoothed measurements say"));
    patchOrderWarning_ = warningLabel(box);
    patchOrderWarning_->setObjectName(QStringLiteral("patchOrderWarning"));

    auto* layout = new QGridLayout(box);
    layout->addWidget(load, 0, 0);
    layout->addWidget(measurementFileLabel_, 0, 1);
    layout->addWidget(new QLabel(tr("Dmax:"), box), 1, 0);
    layout->addWidget(dmaxLabel_, 1, 1);
    layout->addWidget(new QLabel(tr("Off linear:"), box), 2, 0);
    layout->addWidget(linearityLabel_, 2, 1);
    layout->addWidget(new QLabel(tr("Next print:"), box), 3, 0);
    layout->addWidget(predictedLinearityLabel_, 3, 1);
    layout->addWidget(patchOrderWarning_, 4, 0, 1, 2);
    layout->setColumnStretch(1, 1);

    connect(load, &QPushButton::clicked, this, &LinearizationViewController::loadMeasurements);
    return box;
}

QGroupBox* LinearizationViewController::makeSmoothingBox() {
    auto* box = new QGroupBox(tr("Smoothing"), this);
    standardMethodButton_ = new QRadioButton(tr("Stan&dard"), box);
    standardMethodButton_->setObjectName(QStringLiteral("standardMethodButton"));
    standardMethodButton_->setChecked(true);
    standardMethodButton_->setToolTip(
        tr("Standard spreads the patches evenly over the input, smooths with the averaging "
           "window and the spline strength and reads the correction from the smoothed "
           "response: the method of earlier versions, giving the same curves"));
    preciseMethodButton_ = new QRadioButton(tr("Pre&cise"), box);
    preciseMethodButton_->setObjectName(QStringLiteral("preciseMethodButton"));
    preciseMethodButton_->setToolTip(QString::fromUtf8(
        preciseMethodDescription.data(), static_cast<qsizetype>(preciseMethodDescription.size())));
    averagingWindowBox_ = new QSpinBox(box);
    averagingWindowBox_->setObjectName(QStringLiteral("averagingWindowBox"));
    averagingWindowBox_->setRange(Ranges::windowMinimum, Ranges::windowMaximum);
    averagingWindowBox_->setValue(Ranges::windowStart);
    averagingWindowBox_->setSuffix(tr(" levels"));
    averagingWindowBox_->setKeyboardTracking(false);
    averagingWindowBox_->setToolTip(
        tr("Evens out misread patches by averaging each input level with its neighbours, in "
           "input levels of 256: 0 to 3 leave the measurements as they are; from 4 on, one "
           "neighbour per 4 levels on each side, and the response always darkens"));
    splineSlider_ = new QSlider(Qt::Horizontal, box);
    splineSlider_->setObjectName(QStringLiteral("splineSlider"));
    splineSlider_->setRange(0, static_cast<int>(Ranges::splineStrengths.size()) - 1);
    splineSlider_->setPageStep(1);
    splineSlider_->setTickPosition(QSlider::TicksBelow);
    splineSlider_->setToolTip(
        tr("Lays a smooth curve through fewer points of the measured response: 0 keeps the "
           "detail of every patch, the right end follows only its broad shape. Every step gives "
           "a different curve"));
    splineStrengthLabel_ = new QLabel(box);
    splineStrengthLabel_->setObjectName(QStringLiteral("splineStrengthLabel"));
    splineStrengthLabel_->setMinimumWidth(
        splineStrengthLabel_->fontMetrics().horizontalAdvance(QStringLiteral("0.00 (most)")));

    auto* layout = new QGridLayout(box);
    auto* methods = new QHBoxLayout;
    methods->addWidget(standardMethodButton_);
    methods->addWidget(preciseMethodButton_);
    methods->addStretch(1);
    layout->addWidget(new QLabel(tr("Method:"), box), 0, 0);
    layout->addLayout(methods, 0, 1, 1, 2);
    auto* windowLabel = new QLabel(tr("Averaging &window:"), box);
    windowLabel->setBuddy(averagingWindowBox_);
    auto* splineLabel = new QLabel(tr("S&pline strength:"), box);
    splineLabel->setBuddy(splineSlider_);
    layout->addWidget(windowLabel, 1, 0);
    layout->addWidget(averagingWindowBox_, 1, 1, 1, 2);
    layout->addWidget(splineLabel, 2, 0);
    layout->addWidget(splineSlider_, 2, 1);
    layout->addWidget(splineStrengthLabel_, 2, 2);
    layout->setColumnStretch(1, 1);

    const std::pair<QRadioButton*, CorrectionMethod> methodButtons[] = {
        {standardMethodButton_, CorrectionMethod::standard},
        {preciseMethodButton_, CorrectionMethod::precise}};
    for (const auto& [button, method] : methodButtons) {
        connect(button, &QRadioButton::toggled, this, [this, method](bool chosen) {
            if (chosen) {
                setCorrectionMethod(method);
            }
        });
    }

    connect(averagingWindowBox_, &QSpinBox::valueChanged, this,
            &LinearizationViewController::setAveragingWindow);
    connect(splineSlider_, &QSlider::valueChanged, this,
            &LinearizationViewController::setSplinePosition);
    return box;
}

QGroupBox* LinearizationViewController::makeControlPointsBox() {
    controlPointsBox_ = new QGroupBox(tr("Tone control points"), this);
    controlPointsBox_->setObjectName(QStringLiteral("controlPointsBox"));
    QGroupBox* box = controlPointsBox_;
    auto* layout = new QGridLayout(box);
    layout->setVerticalSpacing(2);
    layout->addWidget(new QLabel(tr("Input"), box), 0, 1);
    auto* direction = new QLabel(tr("\u25c0 darker    lighter \u25b6"), box);
    direction->setToolTip(tr("Moving a slider to the right prints that tone lighter"));
    layout->addWidget(direction, 0, 2, Qt::AlignHCenter);
    layout->addWidget(new QLabel(tr("Target"), box), 0, 4, Qt::AlignRight);

    struct PointRowLayout {
        ControlPoint which;
        QString title;
        const char* name;
        double start;
    };
    const PointRowLayout pointRows[] = {
        {ControlPoint::shadow, tr("&Shadow"), "shadow", ToneControlPoints::defaultShadowInput},
        {ControlPoint::midtone, tr("&Midtone"), "midtone", ToneControlPoints::defaultMidtoneInput},
        {ControlPoint::highlight, tr("Hi&ghlight"), "highlight",
         ToneControlPoints::defaultHighlightInput},
    };
    int gridRow = 1;
    for (const PointRowLayout& point : pointRows) {
        ControlPointRow& controls = rows_[static_cast<std::size_t>(point.which)];
        const QString name = QLatin1String(point.name);
        controls.input = new QDoubleSpinBox(box);
        controls.input->setObjectName(name + QStringLiteral("InputBox"));
        controls.input->setRange(ToneControlPoints::lowestInput, ToneControlPoints::highestInput);
        controls.input->setDecimals(1);
        controls.input->setSingleStep(1.0);
        controls.input->setSuffix(QStringLiteral(" %"));
        controls.input->setValue(point.start);
        controls.input->setKeyboardTracking(false);
        controls.input->setToolTip(
            tr("Where the point sits on the input, in percent from paper white (0 %) to maximum "
               "black (100 %); shadow, midtone and highlight must rise in that order"));
        controls.slider = new QSlider(Qt::Horizontal, box);
        controls.slider->setObjectName(name + QStringLiteral("Slider"));
        controls.slider->setRange(Ranges::sliderMinimum, Ranges::sliderMaximum);
        controls.slider->setValue(Ranges::sliderStart);
        controls.slider->setTickPosition(QSlider::TicksBelow);
        controls.slider->setTickInterval(25);
        controls.slider->setMinimumWidth(90);
        controls.slider->setToolTip(
            tr("Bends the target at this point, in percent of its input: to the right the tone "
               "prints lighter, to the left darker (+20 at 25 % aims for 20 %)"));
        controls.sliderValue = new QLabel(box);
        controls.sliderValue->setObjectName(name + QStringLiteral("SliderValue"));
        controls.sliderValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        controls.sliderValue->setMinimumWidth(
            controls.sliderValue->fontMetrics().horizontalAdvance(QStringLiteral("+50")));
        controls.output = new QLabel(box);
        controls.output->setObjectName(name + QStringLiteral("OutputLabel"));
        controls.output->setMinimumWidth(
            controls.output->fontMetrics().horizontalAdvance(QStringLiteral("100.00 %")));
        controls.output->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        controls.output->setToolTip(
            tr("Where the target puts this tone, in percent from paper white to maximum black"));

        auto* title = new QLabel(point.title, box);
        title->setBuddy(controls.input);
        layout->addWidget(title, gridRow, 0);
        layout->addWidget(controls.input, gridRow, 1);
        layout->addWidget(controls.slider, gridRow, 2);
        layout->addWidget(controls.sliderValue, gridRow, 3);
        layout->addWidget(controls.output, gridRow, 4);
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
    resetButton_->setToolTip(tr("Inputs back to 25, 50 and 75 %, sliders back to 0"));
    controlPointMessage_ = warningLabel(box);
    controlPointMessage_->setObjectName(QStringLiteral("controlPointMessage"));
    controlPointMessage_->hide();
    layout->addWidget(resetButton_, 0, 0);
    layout->addWidget(controlPointMessage_, gridRow, 0, 1, 5);
    layout->setColumnStretch(2, 1);

    connect(resetButton_, &QPushButton::clicked, this,
            &LinearizationViewController::resetControlPoints);
    return box;
}

QGroupBox* LinearizationViewController::makeNotesBox() {
    auto* box = new QGroupBox(tr("Notes"), this);
    notesEdit_ = new QPlainTextEdit(box);
    notesEdit_->setObjectName(QStringLiteral("notesEdit"));
    notesEdit_->setPlaceholderText(tr("Saved as comment lines at the top of the curve file"));
    notesEdit_->setToolTip(notesEdit_->placeholderText());
    notesEdit_->setFixedHeight(notesEdit_->fontMetrics().lineSpacing() * 3 + 12);
    // Tab leaves the notes, as it leaves every other control, instead of typing a tab.
    notesEdit_->setTabChangesFocus(true);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(notesEdit_);
    connect(notesEdit_, &QPlainTextEdit::textChanged, this, [this] {
        if (canSave()) {
            setUnsavedResult(true);
        }
    });
    return box;
}

QString LinearizationViewController::toolTitle() const {
    return QStringLiteral("Linearization");
}

QStringList LinearizationViewController::documentNames() const {
    QStringList names;
    if (tool_.curveFile()) {
        names << fromStd(tool_.curveFile()->fileName());
    }
    if (tool_.measurementFileName()) {
        names << fromStd(*tool_.measurementFileName());
    }
    return names;
}

bool LinearizationViewController::takesFile(const QString& path) const {
    return isFileOfKind(path, FileKind::curve) || isFileOfKind(path, FileKind::measurements);
}

void LinearizationViewController::openFileAt(const QString& path) {
    if (isFileOfKind(path, FileKind::curve)) {
        loadQuadFile(path);
    } else if (isFileOfKind(path, FileKind::measurements)) {
        loadMeasurementFile(path);
    }
}

void LinearizationViewController::openFilesAt(const QStringList& paths) {
    QStringList measurements;
    QStringList others;
    for (const QString& path : paths) {
        (isFileOfKind(path, FileKind::measurements) ? measurements : others) << path;
    }
    ToolView::openFilesAt(measurements + others);
}

void LinearizationViewController::loadMeasurements() {
    const std::optional<QString> path = ui().chooseFileToOpen(
        FileKind::measurements, tr("Choose the measurements of the printed wedge"));
    if (path) {
        loadMeasurementFile(*path);
    }
}

void LinearizationViewController::loadMeasurementFile(const QString& path) {
    if (const Outcome loaded = tool_.loadMeasurements(toFilesystemPath(path)); loaded.isRefused()) {
        // The tool kept the measurement in use, and so does every read-out.
        refuseFile(path, *loaded.alert());
        return;
    }
    measurementPath_ = path;
    resultChanged();
    opened(path);
}

void LinearizationViewController::loadCurve() {
    const std::optional<QString> path =
        ui().chooseFileToOpen(FileKind::curve, tr("Choose the curve that printed the wedge"));
    if (path) {
        loadQuadFile(*path);
    }
}

void LinearizationViewController::loadQuadFile(const QString& path) {
    const Outcome loaded = tool_.loadQuadFile(toFilesystemPath(path));
    if (loaded.isRefused()) {
        refuseFile(path, *loaded.alert());
        return;
    }
    // Without a correction the file is still taken, and is linearized by the next
    // measurement load; its notes belong in the notes view from now on.
    {
        const QSignalBlocker blocker(notesEdit_);
        notesEdit_->setPlainText(fromStd(tool_.curveFile()->notes()));
    }
    curveBox_->showFile(path, tool_.curveFile()->labels(), tool_.curveFile()->curve());
    resultChanged();
    opened(path);
    if (loaded.alert()) {
        ui().showAlert(*loaded.alert());
    }
}

void LinearizationViewController::saveLinearizedCurve() {
    if (!canSave()) {
        ui().showAlert(failedToLinearizeAlert());
        return;
    }
    const std::optional<LinearityReadout>& linearity = tool_.linearity();
    if (linearity && !linearity->warningText().empty() &&
        !ui().confirm({tr("Save a curve from measurements that look out of order?"),
                       fromStd(linearity->warningText()) +
                           tr("\n\nA wedge measured in the wrong order gives a wrong "
                              "linearization. Check the measurements before printing with "
                              "this curve."),
                       tr("Save Anyway")})) {
        return;
    }
    const std::string notes = notesEdit_->toPlainText().toStdString();
    saveRow_->save(
        {tr("Save the linearized curve"),
         suggestedSavePath(curveBox_->filePath(), QStringLiteral("linearized"), FileKind::curve),
         [this, &notes](const std::filesystem::path& path) {
             return tool_.saveLinearizedCurve(path, notes);
         },
         [this](const std::filesystem::path& folder) { return tool_.exportGutenprintXml(folder); },
         tool_.curveFile()->channelCount()});
}

void LinearizationViewController::resetControlPoints() {
    tool_.resetControlPoints();
    showControlPointMessage(QString());
    resultChanged();
}

void LinearizationViewController::setCorrectionMethod(CorrectionMethod method) {
    tool_.setCorrectionMethod(method);
    resultChanged();
}

void LinearizationViewController::setAveragingWindow(int windowSize) {
    tool_.setAveragingWindow(windowSize);
    resultChanged();
}

void LinearizationViewController::setSplinePosition(int position) {
    tool_.setSplineStrength(Ranges::splineStrengths.at(static_cast<std::size_t>(position)));
    resultChanged();
}

void LinearizationViewController::controlPointChanged(ControlPoint which) {
    const ControlPointRow& controls = row(which);
    const Outcome moved = tool_.setControlPoint(which, controls.input->value(),
                                                static_cast<double>(controls.slider->value()));
    if (moved.isRefused()) {
        // The entry goes back to the input in use (showControlPoints below).
        showControlPointMessage(fromStd(moved.alert()->title + ": " + moved.alert()->text));
        showToolState();
        return;
    }
    showControlPointMessage(QString());
    resultChanged();
}

void LinearizationViewController::showControlPointMessage(const QString& text) {
    controlPointMessage_->setText(text);
    controlPointMessage_->setVisible(!text.isEmpty());
}

void LinearizationViewController::showOriginalCurve(bool original) {
    originalCurvesButton_->setText(original ? tr("Show Linearized Curves")
                                            : tr("Show Original Curves"));
    redrawInkGraph();
}

void LinearizationViewController::resultChanged() {
    if (tool_.linearizedCurve()) {
        const QSignalBlocker blocker(originalCurvesButton_);
        originalCurvesButton_->setChecked(false);
        originalCurvesButton_->setText(tr("Show Original Curves"));
    }
    showToolState();
    setUnsavedResult(canSave());
}

void LinearizationViewController::showToolState() {
    showMeasurementState();
    showControlPoints();
    showCurveState();
    redrawMeasurementGraph();
    redrawInkGraph();
    emit documentChanged();
}

void LinearizationViewController::showMeasurementState() {
    const std::optional<std::string>& name = tool_.measurementFileName();
    measurementFileLabel_->setText(name ? fromStd(*name) : tr("None loaded"));
    measurementFileLabel_->setToolTip(measurementPath_);
    if (tool_.hasCorrection()) {
        dmaxLabel_->setText(fromStd(formatFixed(tool_.correction().maximumDensity, 2)));
    } else {
        dmaxLabel_->setText(tr("-"));
    }
    const std::optional<LinearityReadout>& linearity = tool_.linearity();
    if (linearity) {
        linearityLabel_->setText(
            deviationText(linearity->maximumDeviationText(), linearity->meanDeviationText()));
        patchOrderWarning_->setText(fromStd(linearity->warningText()));
    } else {
        linearityLabel_->setText(tr("-"));
        patchOrderWarning_->clear();
    }
    const std::optional<PredictedLinearity>& predicted = tool_.predictedLinearity();
    predictedLinearityLabel_->setText(
        predicted ? deviationText(predicted->maximumDeviationText(), predicted->meanDeviationText())
                  : tr("-"));
    patchOrderWarning_->setVisible(!patchOrderWarning_->text().isEmpty());

    const QSignalBlocker windowBlocker(averagingWindowBox_);
    const QSignalBlocker splineBlocker(splineSlider_);
    averagingWindowBox_->setValue(tool_.averagingWindow());
    const bool precise = tool_.correctionMethod() == CorrectionMethod::precise;
    averagingWindowBox_->setEnabled(!precise);  // the precise method does not average
    const int position = splinePositionOf(tool_.splineStrength());
    splineSlider_->setValue(position);
    QString strength = QString::number(tool_.splineStrength(), 'f', 2);
    if (position == 0 && precise) {
        // The precise method's start is the strength the data choose, not none.
        const std::optional<MeasuredResponse>& response = tool_.measuredResponse();
        strength =
            response ? QString::number(response->strength(), 'f', 2) + tr(" (auto)") : tr("auto");
    } else if (position == 0) {
        strength += tr(" (none)");
    } else if (position == splineSlider_->maximum()) {
        strength += tr(" (most)");
    }
    splineStrengthLabel_->setText(strength);
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
        const int sliderValue = static_cast<int>(-point->adjustment);
        controls.slider->setValue(sliderValue);
        controls.sliderValue->setText(sliderValue > 0 ? QStringLiteral("+%1").arg(sliderValue)
                                                      : QString::number(sliderValue));
        controls.output->setText(active ? QString::number(point->output, 'f', 2) + " %" : tr("-"));
    }
}

void LinearizationViewController::showCurveState() {
    originalCurvesButton_->setEnabled(tool_.linearizedCurve().has_value());
    saveRow_->setSaveEnabled(canSave());
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
                                 correction.linearTarget, target, *tool_.lightness());
}

void LinearizationViewController::redrawInkGraph() {
    const std::optional<QuadFile>& file = tool_.curveFile();
    const std::optional<QuadCurve>& linearized = tool_.linearizedCurve();
    if (!file || !linearized) {
        inkChart_->setCaption(QString());
        inkChart_->setPlaceholderText(file ? tr("Load measurement data to linearize this curve.")
                                           : tr("Load .quad file to show ink graphs."));
        inkChart_->clearCurve();
        return;
    }
    const bool original = originalCurvesButton_->isChecked();
    inkChart_->setCaption(original ? tr("Original curve") : tr("Linearized curve"));
    inkChart_->setCurve(original ? file->curve() : *linearized);
}

}  // namespace sg
