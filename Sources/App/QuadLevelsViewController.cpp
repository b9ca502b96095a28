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
      rangeSlider_(new RangeSlider(this)),
      startLabel_(new QLabel(this)),
      endLabel_(new QLabel(this)),
      limitsLabel_(new QLabel(this)),
      fileNameLabel_(new QLabel(this)),
      zeroFirstCheck_(new QCheckBox(tr("Set first value to 0 on save"), this)),
      asPercentCheck_(new QCheckBox(tr("Show start and end as percent of input"), this)),
      inkChart_(new InkCurveChart(tr("Load .quad file to show ink graphs."), this)),
      saveButton_(new QPushButton(tr("Save..."), this)),
      saveUnzeroedButton_(new QPushButton(tr("Save Without Zeroing..."), this)),
      exportXmlButton_(new QPushButton(tr("Export Gutenprint XML..."), this)) {
    rangeSlider_->setObjectName(QStringLiteral("rangeSlider"));
    rangeSlider_->setKnobStyle(RangeSliderKnobStyle::square);
    rangeSlider_->setRange(0.0, 1.0);
    rangeSlider_->setSelection({0.0, 1.0});
    startLabel_->setObjectName(QStringLiteral("startLabel"));
    endLabel_->setObjectName(QStringLiteral("endLabel"));
    endLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    limitsLabel_->setAlignment(Qt::AlignCenter);
    zeroFirstCheck_->setObjectName(QStringLiteral("zeroFirstCheck"));
    zeroFirstCheck_->setToolTip(
        tr("Save... writes 0 as the first value of every channel, so paper white gets no ink."));
    asPercentCheck_->setObjectName(QStringLiteral("asPercentCheck"));
    asPercentCheck_->setToolTip(
        tr("Off: start and end as gray levels (255 = white, 0 = black).\n"
           "On: as percent of the input (0 % = white, 100 % = black)."));
    inkChart_->setObjectName(QStringLiteral("inkChart"));
    saveUnzeroedButton_->setToolTip(
        tr("Saves the trimmed curve as it is, whatever the check box."));
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
    rangeTitle->setBuddy(rangeSlider_);
    rangeBox->addWidget(rangeTitle, 0, 0);
    rangeBox->addWidget(rangeSlider_, 0, 1, 1, 3);
    rangeBox->addWidget(startLabel_, 1, 1);
    rangeBox->addWidget(limitsLabel_, 1, 2);
    rangeBox->addWidget(endLabel_, 1, 3);
    rangeBox->setColumnStretch(1, 1);
    rangeBox->setColumnStretch(2, 1);
    rangeBox->setColumnStretch(3, 1);

    auto* optionsRow = new QHBoxLayout;
    optionsRow->addWidget(asPercentCheck_);
    optionsRow->addSpacing(24);
    optionsRow->addWidget(zeroFirstCheck_);
    optionsRow->addStretch(1);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(exportXmlButton_);
    buttonRow->addSpacing(24);
    buttonRow->addWidget(saveUnzeroedButton_);
    buttonRow->addWidget(saveButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addWidget(inkChart_, 1);
    layout->addLayout(rangeBox);
    layout->addLayout(optionsRow);
    layout->addLayout(buttonRow);

    // Tab through the controls as they are laid out, not as they were created.
    QWidget* const tabOrder[] = {loadButton,      rangeSlider_,     asPercentCheck_,
                                 zeroFirstCheck_, exportXmlButton_, saveUnzeroedButton_,
                                 saveButton_};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }

    connect(loadButton, &QPushButton::clicked, this, &QuadLevelsViewController::loadCurve);
    connect(saveButton_, &QPushButton::clicked, this, &QuadLevelsViewController::saveTrimmedCurve);
    connect(saveUnzeroedButton_, &QPushButton::clicked, this,
            &QuadLevelsViewController::saveWithoutZeroing);
    connect(exportXmlButton_, &QPushButton::clicked, this,
            &QuadLevelsViewController::exportGutenprintXml);
    connect(rangeSlider_, &RangeSlider::selectionChanged, this,
            &QuadLevelsViewController::selectionChanged);
    connect(asPercentCheck_, &QCheckBox::toggled, this,
            &QuadLevelsViewController::showSelectionLabels);

    showSelectionLabels();
    updateFileState();
    redraw();
}

QString QuadLevelsViewController::toolTitle() const {
    return QStringLiteral("Quad Levels");
}

bool QuadLevelsViewController::canSave() const {
    return tool_.canSave();
}

bool QuadLevelsViewController::takesDroppedFile(const QString& path) const {
    return hasSuffix(path, {"quad"_L1});
}

void QuadLevelsViewController::loadCurve() {
    const std::optional<QString> path =
        ui_.chooseFileToOpen(tr("Choose a quad file"), {QStringLiteral("quad")});
    if (path) {
        loadFile(*path);
    }
}

void QuadLevelsViewController::loadFile(const QString& path) {
    if (const Outcome loaded = tool_.loadQuadFile(toFilesystemPath(path)); loaded.isRefused()) {
        ui_.showAlert(*loaded.alert());
        return;
    }
    updateFileState();
    redraw();
}

void QuadLevelsViewController::saveTrimmedCurve() {
    save(zeroFirstCheck_->isChecked());
}

void QuadLevelsViewController::saveWithoutZeroing() {
    save(false);
}

void QuadLevelsViewController::save(bool zeroFirst) {
    if (!tool_.canSave()) {
        return;
    }
    const std::optional<QString> path = ui_.chooseFileToSave(QStringLiteral("quad"));
    if (!path) {
        return;
    }
    if (const Outcome saved = tool_.saveTrimmedCurve(toFilesystemPath(*path), zeroFirst);
        saved.isRefused()) {
        ui_.showAlert(*saved.alert());
        return;
    }
    redraw();
}

void QuadLevelsViewController::exportGutenprintXml() {
    if (!tool_.canSave()) {
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

void QuadLevelsViewController::selectionChanged() {
    tool_.setSelection(rangeSlider_->start(), rangeSlider_->end());
    showSelectionLabels();
    redraw();
}

void QuadLevelsViewController::showSelectionLabels() {
    const bool asPercent = asPercentCheck_->isChecked();
    const LevelLabels labels = tool_.levelLabels(asPercent);
    if (asPercent) {
        startLabel_->setText(tr("Start: %1 % of input").arg(labels.low, 0, 'f', 1));
        endLabel_->setText(tr("End: %1 % of input").arg(labels.high, 0, 'f', 1));
    } else {
        startLabel_->setText(tr("Start: gray level %1").arg(labels.low, 0, 'f', 1));
        endLabel_->setText(tr("End: gray level %1").arg(labels.high, 0, 'f', 1));
    }
}

void QuadLevelsViewController::redraw() {
    limitsLabel_->setText(
        tr("Uses input levels %1 to %2 of the curve").arg(tool_.lowLevel()).arg(tool_.highLevel()));
    inkChart_->setCurve(tool_.trimmedCurve());
}

void QuadLevelsViewController::updateFileState() {
    const std::optional<QuadFile>& file = tool_.curveFile();
    if (file) {
        fileNameLabel_->setText(tr("%1 (%2 channels)")
                                    .arg(QString::fromStdString(file->fileName()))
                                    .arg(file->channelCount()));
    } else {
        fileNameLabel_->setText(tr("No file loaded: the graph shows a straight ramp."));
    }
    const bool saveable = tool_.canSave();
    saveButton_->setEnabled(saveable);
    saveUnzeroedButton_->setEnabled(saveable);
    exportXmlButton_->setEnabled(saveable);
    emit saveAvailabilityChanged();
}

}  // namespace sg
