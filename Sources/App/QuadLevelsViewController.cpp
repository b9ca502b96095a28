#include "App/QuadLevelsViewController.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "App/CurveFileBox.h"
#include "App/InkCurveChart.h"
#include "App/RangeSlider.h"
#include "App/SaveRow.h"
#include "App/UiServices.h"
#include "Common/InkScale.h"

namespace sg {

QuadLevelsViewController::QuadLevelsViewController(UiServices& ui, QWidget* parent)
    : ToolView(ui, parent),
      curveBox_(new CurveFileBox(tr("Curve"), tr("Load .quad..."), this)),
      inkChart_(new InkCurveChart(ui, tr("Load .quad file to show ink graphs."), this)),
      rangeSlider_(new RangeSlider(this)),
      startLabel_(new QLabel(this)),
      endLabel_(new QLabel(this)),
      stretchLabel_(new QLabel(this)),
      zeroFirstCheck_(new QCheckBox(tr("Set first value to 0 on save"))),
      asPercentCheck_(new QCheckBox(tr("Show the input in percent"))),
      saveRow_(new SaveRow(ui, tr("Save Trimmed Curve..."), this)),
      exportXmlAction_(new QAction(tr("Export &Gutenprint XML..."), this)) {
    curveBox_->loadButton()->setToolTip(tr("The .quad curve to trim (Ctrl+O)"));
    inkChart_->setObjectName(QStringLiteral("inkChart"));
    rangeSlider_->setObjectName(QStringLiteral("rangeSlider"));
    rangeSlider_->setKnobStyle(RangeSliderKnobStyle::square);
    rangeSlider_->setRange(0.0, 1.0);
    rangeSlider_->setSelection({0.0, 1.0});
    rangeSlider_->setToolTip(
        tr("The part of the curve's input that is kept and stretched over the whole input: the "
           "left handle cuts away the lightest tones, the right handle the darkest.\nDrag a "
           "handle or click the bar; Left/Right move the handle used last by one level."));
    startLabel_->setObjectName(QStringLiteral("startLabel"));
    endLabel_->setObjectName(QStringLiteral("endLabel"));
    endLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    stretchLabel_->setObjectName(QStringLiteral("stretchLabel"));
    stretchLabel_->setAlignment(Qt::AlignCenter);
    zeroFirstCheck_->setObjectName(QStringLiteral("zeroFirstCheck"));
    zeroFirstCheck_->setToolTip(
        tr("Writes 0 as the first value of every channel, so paper white gets no ink"));
    asPercentCheck_->setObjectName(QStringLiteral("asPercentCheck"));
    asPercentCheck_->setToolTip(
        tr("Off: input levels from 0 (paper white) to 255 (maximum black).\nOn: percent of the "
           "input, 0 % (paper white) to 100 % (maximum black)."));
    saveRow_->saveButton()->setToolTip(
        tr("Saves the trimmed curve as a .quad file for QuadToneRIP (Ctrl+S)"));
    exportXmlAction_->setToolTip(
        tr("Writes only the Gutenprint XML curves of the trimmed curve, into a folder you "
           "choose"));

    auto* options = new QGroupBox(tr("Trim"), this);
    auto* optionsLayout = new QVBoxLayout(options);
    optionsLayout->addWidget(asPercentCheck_);
    optionsLayout->addWidget(zeroFirstCheck_);

    auto* graphs = new QGridLayout;
    auto* rangeTitle = new QLabel(tr("&Input range:"), this);
    rangeTitle->setBuddy(rangeSlider_);
    graphs->addWidget(inkChart_, 0, 0, 1, 3);
    graphs->addWidget(rangeTitle, 1, 0, 1, 3);
    graphs->addWidget(rangeSlider_, 2, 0, 1, 3);
    graphs->addWidget(startLabel_, 3, 0);
    graphs->addWidget(stretchLabel_, 3, 1);
    graphs->addWidget(endLabel_, 3, 2);
    graphs->setRowStretch(0, 1);
    graphs->setColumnStretch(1, 1);
    arrange({curveBox_, options, saveRow_}, graphs);

    connect(curveBox_, &CurveFileBox::loadClicked, this, &QuadLevelsViewController::loadCurve);
    connect(curveBox_, &CurveFileBox::showFlagsChanged, this,
            [this] { inkChart_->setShowFlags(curveBox_->showFlags()); });
    connect(saveRow_, &SaveRow::saveClicked, this, &QuadLevelsViewController::saveTrimmedCurve);
    connect(saveRow_, &SaveRow::saved, this, &QuadLevelsViewController::resultSaved);
    connect(exportXmlAction_, &QAction::triggered, this,
            &QuadLevelsViewController::exportGutenprintXml);
    connect(rangeSlider_, &RangeSlider::selectionChanged, this,
            &QuadLevelsViewController::selectionChanged);
    connect(asPercentCheck_, &QCheckBox::toggled, this,
            &QuadLevelsViewController::showSelectionLabels);

    showSelectionLabels();
    redraw();
}

QString QuadLevelsViewController::toolTitle() const {
    return QStringLiteral("Quad Levels");
}

QStringList QuadLevelsViewController::documentNames() const {
    if (!tool_.curveFile()) {
        return {};
    }
    return {QString::fromStdString(tool_.curveFile()->fileName())};
}

bool QuadLevelsViewController::takesFile(const QString& path) const {
    return isFileOfKind(path, FileKind::curve);
}

void QuadLevelsViewController::loadCurve() {
    const std::optional<QString> path =
        ui().chooseFileToOpen(FileKind::curve, tr("Choose the curve to trim"));
    if (path) {
        openFileAt(*path);
    }
}

void QuadLevelsViewController::openFileAt(const QString& path) {
    if (const Outcome loaded = tool_.loadQuadFile(toFilesystemPath(path)); loaded.isRefused()) {
        refuseFile(path, *loaded.alert());
        return;
    }
    curveBox_->showFile(path, tool_.curveFile()->labels(), tool_.curveFile()->curve());
    redraw();
    // A curve loaded under a trimming selection is a new result.
    setUnsavedResult(tool_.lowLevel() != 0 || tool_.highLevel() != static_cast<int>(lastLevel));
    opened(path);
}

CurveSaveRequest QuadLevelsViewController::saveRequest() {
    const bool zeroFirst = zeroFirstCheck_->isChecked();
    return {
        tr("Save the trimmed curve"),
        suggestedSavePath(curveBox_->filePath(), QStringLiteral("levels"), FileKind::curve),
        [this, zeroFirst](const std::filesystem::path& path) {
            return tool_.saveTrimmedCurve(path, zeroFirst);
        },
        [this](const std::filesystem::path& folder) { return tool_.exportGutenprintXml(folder); },
        tool_.canSave() ? tool_.curveFile()->channelCount() : 0};
}

void QuadLevelsViewController::saveTrimmedCurve() {
    if (!tool_.canSave()) {
        return;
    }
    if (saveRow_->save(saveRequest())) {
        redraw();  // a zeroed first value is now part of the result
    }
}

void QuadLevelsViewController::exportGutenprintXml() {
    if (tool_.canSave()) {
        saveRow_->exportGutenprintOnly(saveRequest());
    }
}

void QuadLevelsViewController::selectionChanged() {
    tool_.setSelection(rangeSlider_->start(), rangeSlider_->end());
    showSelectionLabels();
    redraw();
    if (tool_.canSave()) {
        setUnsavedResult(true);
    }
}

void QuadLevelsViewController::showSelectionLabels() {
    const int low = tool_.lowLevel();
    const int high = tool_.highLevel();
    // Both read-outs come from the levels in use, so they always agree with each other.
    if (asPercentCheck_->isChecked()) {
        const auto percent = [](int level) {
            return QString::number(level * levelStepPercent, 'f', 1) + QStringLiteral(" %");
        };
        startLabel_->setText(tr("Start: %1").arg(percent(low)));
        endLabel_->setText(tr("End: %1").arg(percent(high)));
        stretchLabel_->setText(
            tr("%1 to %2 of the input stretched over 0 to 100 %").arg(percent(low), percent(high)));
    } else {
        startLabel_->setText(tr("Start: level %1").arg(low));
        endLabel_->setText(tr("End: level %1").arg(high));
        stretchLabel_->setText(
            tr("Input levels %1 to %2 stretched over 0 to 255").arg(low).arg(high));
    }
}

void QuadLevelsViewController::redraw() {
    inkChart_->setCaption(tool_.canSave() ? tr("Trimmed curve") : tr("Straight ramp (no file)"));
    inkChart_->setCurve(tool_.trimmedCurve());
    saveRow_->setSaveEnabled(tool_.canSave());
    exportXmlAction_->setEnabled(tool_.canSave());
    emit documentChanged();
}

}  // namespace sg
