#include "App/QuadLevelsViewController.h"

#include <iterator>

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "App/FilePaths.h"
#include "App/InkCurveChart.h"
#include "App/RangeSlider.h"
#include "App/UiServices.h"

namespace sg {

using namespace Qt::StringLiterals;

QuadLevelsViewController::QuadLevelsViewController(UiServices& ui, QWidget* parent)
    : ToolView(parent),
      ui_(ui),
      slider1_(new RangeSlider(this)),
      lowLimitValueLabel_(new QLabel(this)),
      highLimitValueLabel_(new QLabel(this)),
      limitsLabel_(new QLabel(this)),
      fileNameLabel_(new QLabel(this)),
      zeroFirstQuadValue_(new QCheckBox(tr("Set first value to 0 on save"), this)),
      displayAsPigment_(new QCheckBox(tr("Show start and end as percent of input"), this)),
      limitedQuadGraph_(new InkCurveChart(tr("Load .quad file to show ink graphs."), this)),
      saveButton_(new QPushButton(tr("Save..."), this)),
      saveLimitedButton_(new QPushButton(tr("Save Without Zeroing..."), this)),
      exportXmlButton_(new QPushButton(tr("Export Gutenprint XML..."), this)) {
    slider1_->setObjectName(QStringLiteral("slider1"));
    slider1_->setKnobStyle(RangeSliderKnobStyle::square);
    slider1_->setRange(0.0, 1.0);
    slider1_->setSelection({0.0, 1.0});
    lowLimitValueLabel_->setObjectName(QStringLiteral("lowLimitValueLabel"));
    highLimitValueLabel_->setObjectName(QStringLiteral("highLimitValueLabel"));
    highLimitValueLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    limitsLabel_->setAlignment(Qt::AlignCenter);
    zeroFirstQuadValue_->setObjectName(QStringLiteral("zeroFirstQuadValue"));
    zeroFirstQuadValue_->setToolTip(
        tr("Save... writes 0 as the first value of every channel, so paper white gets no ink."));
    displayAsPigment_->setObjectName(QStringLiteral("displayAsPigment"));
    displayAsPigment_->setToolTip(
        tr("Off: start and end as gray levels (255 = white, 0 = black).\n"
           "On: as percent of the input (0 % = white, 100 % = black)."));
    limitedQuadGraph_->setObjectName(QStringLiteral("limitedQuadGraph"));
    saveLimitedButton_->setToolTip(tr("Saves the trimmed curve as it is, whatever the check box."));
    exportXmlButton_->setToolTip(
        tr("Writes one Gutenprint XML curve file per channel into a folder you choose; the "
           "folder's name is written into the files as the paper name."));

    auto* loadButton = new QPushButton(tr("Load .quad..."), this);
    loadButton->setObjectName(QStringLiteral("loadButton"));

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(loadButton);
    fileRow->addWidget(fileNameLabel_, 1);

    auto* rangeBox = new QGridLayout;
    auto* rangeTitle = new QLabel(tr("&Input range:"), this);
    rangeTitle->setBuddy(slider1_);
    rangeBox->addWidget(rangeTitle, 0, 0);
    rangeBox->addWidget(slider1_, 0, 1, 1, 3);
    rangeBox->addWidget(lowLimitValueLabel_, 1, 1);
    rangeBox->addWidget(limitsLabel_, 1, 2);
    rangeBox->addWidget(highLimitValueLabel_, 1, 3);
    rangeBox->setColumnStretch(1, 1);
    rangeBox->setColumnStretch(2, 1);
    rangeBox->setColumnStretch(3, 1);

    auto* optionsRow = new QHBoxLayout;
    optionsRow->addWidget(displayAsPigment_);
    optionsRow->addSpacing(24);
    optionsRow->addWidget(zeroFirstQuadValue_);
    optionsRow->addStretch(1);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(exportXmlButton_);
    buttonRow->addSpacing(24);
    buttonRow->addWidget(saveLimitedButton_);
    buttonRow->addWidget(saveButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addWidget(limitedQuadGraph_, 1);
    layout->addLayout(rangeBox);
    layout->addLayout(optionsRow);
    layout->addLayout(buttonRow);

    // Tab through the controls as they are laid out, not as they were created.
    QWidget* const tabOrder[] = {loadButton,          slider1_,         displayAsPigment_,
                                 zeroFirstQuadValue_, exportXmlButton_, saveLimitedButton_,
                                 saveButton_};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }

    connect(loadButton, &QPushButton::clicked, this, &QuadLevelsViewController::loadQuadFile);
    connect(saveButton_, &QPushButton::clicked, this, &QuadLevelsViewController::saveQuadFile);
    connect(saveLimitedButton_, &QPushButton::clicked, this,
            &QuadLevelsViewController::saveLimitedQuadFile);
    connect(exportXmlButton_, &QPushButton::clicked, this, &QuadLevelsViewController::saveXML);
    connect(slider1_, &RangeSlider::selectionChanged, this,
            &QuadLevelsViewController::selectionChanged);
    connect(displayAsPigment_, &QCheckBox::toggled, this,
            &QuadLevelsViewController::outputValueDisplayTypeChanged);

    outputValueDisplayTypeChanged();
    updateFileState();
    redraw();
}

QString QuadLevelsViewController::toolTitle() const {
    return QStringLiteral("Quad Levels");
}

bool QuadLevelsViewController::canSave() const {
    return tool_.hasFileToSave();
}

bool QuadLevelsViewController::takesDroppedFile(const QString& path) const {
    return hasSuffix(path, {"quad"_L1});
}

void QuadLevelsViewController::loadQuadFile() {
    const std::optional<QString> path =
        ui_.chooseFileToOpen(tr("Choose a quad file"), {QStringLiteral("quad")});
    if (path) {
        loadFile(*path);
    }
}

void QuadLevelsViewController::loadFile(const QString& path) {
    if (const Outcome failure = tool_.loadQuadFile(toFilesystemPath(path))) {
        ui_.showAlert(*failure);
        return;
    }
    updateFileState();
    redraw();
}

void QuadLevelsViewController::saveQuadFile() {
    save(zeroFirstQuadValue_->isChecked());
}

void QuadLevelsViewController::saveLimitedQuadFile() {
    save(false);
}

void QuadLevelsViewController::save(bool zeroFirst) {
    if (!tool_.hasFileToSave()) {
        return;
    }
    const std::optional<QString> path = ui_.chooseFileToSave(QStringLiteral("quad"));
    if (!path) {
        return;
    }
    if (const Outcome failure = tool_.saveQuadFile(toFilesystemPath(*path), zeroFirst)) {
        ui_.showAlert(*failure);
        return;
    }
    redraw();
}

void QuadLevelsViewController::saveXML() {
    if (!tool_.hasFileToSave()) {
        return;
    }
    const std::optional<QString> folder = ui_.chooseFolder();
    if (!folder) {
        return;
    }
    if (const Outcome failure = tool_.exportGutenprint(toFilesystemPath(*folder))) {
        ui_.showAlert(*failure);
    }
}

void QuadLevelsViewController::selectionChanged() {
    tool_.setSelection(slider1_->start(), slider1_->end());
    outputValueDisplayTypeChanged();
    redraw();
}

void QuadLevelsViewController::outputValueDisplayTypeChanged() {
    const bool asPercent = displayAsPigment_->isChecked();
    const LevelLabels labels = tool_.levelLabels(asPercent);
    if (asPercent) {
        lowLimitValueLabel_->setText(tr("Start: %1 % of input").arg(labels.low, 0, 'f', 1));
        highLimitValueLabel_->setText(tr("End: %1 % of input").arg(labels.high, 0, 'f', 1));
    } else {
        lowLimitValueLabel_->setText(tr("Start: gray level %1").arg(labels.low, 0, 'f', 1));
        highLimitValueLabel_->setText(tr("End: gray level %1").arg(labels.high, 0, 'f', 1));
    }
}

void QuadLevelsViewController::redraw() {
    limitsLabel_->setText(
        tr("Uses input levels %1 to %2 of the curve").arg(tool_.lowLimit()).arg(tool_.highLimit()));
    limitedQuadGraph_->setCurve(tool_.limitedCurves());
}

void QuadLevelsViewController::updateFileState() {
    const std::optional<QuadDataFile>& file = tool_.currentFile();
    if (file) {
        fileNameLabel_->setText(
            tr("%1 (%2 channels)")
                .arg(QString::fromStdString(file->quadCurveFileName.value_or(std::string())))
                .arg(file->numInks));
    } else {
        fileNameLabel_->setText(tr("No file loaded: the graph shows a straight ramp."));
    }
    const bool saveable = tool_.hasFileToSave();
    saveButton_->setEnabled(saveable);
    saveLimitedButton_->setEnabled(saveable);
    exportXmlButton_->setEnabled(saveable);
    emit saveAvailabilityChanged();
}

}  // namespace sg
