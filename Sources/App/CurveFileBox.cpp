#include "App/CurveFileBox.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "App/InkCurveChart.h"
#include "App/InkCurveColors.h"

namespace sg {
namespace {

const char* const defaultChannelNames[CurveFileBox::toggleCount] = {"K",  "C",  "M",   "Y",  "LC",
                                                                    "LM", "LK", "LLK", "OR", "GR"};

// A small square in the channel's line colour, so a toggle is easy to match with its line.
QIcon swatch(const InkSeriesStyle& style) {
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(90, 90, 90));
    painter.setBrush(readableOnWhite(style.color));
    painter.drawRect(0, 0, 13, 13);
    if (style.penStyle != Qt::SolidLine) {
        // Light inks: a white bar, as their lines are broken.
        painter.fillRect(QRect(3, 6, 8, 2), Qt::white);
    }
    return QIcon(pixmap);
}

// "# K Curve" -> "K": the ink as a label names it.
QString channelName(const std::string& label) {
    QString name = QString::fromStdString(label);
    while (name.startsWith('#')) {
        name.remove(0, 1);
    }
    name = name.trimmed();
    if (name.endsWith(QStringLiteral(" curve"), Qt::CaseInsensitive)) {
        name.chop(6);
    }
    return name.isEmpty() ? QString::fromStdString(label) : name;
}

}  // namespace

CurveFileBox::CurveFileBox(const QString& title, const QString& loadText, QWidget* parent)
    : QGroupBox(title, parent),
      loadButton_(new QPushButton(loadText, this)),
      fileLabel_(new QLabel(this)),
      toggleGrid_(new QWidget(this)),
      layout_(new QVBoxLayout(this)) {
    loadButton_->setObjectName(QStringLiteral("loadCurveButton"));
    fileLabel_->setObjectName(QStringLiteral("curveFileLabel"));
    fileLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long name is cut off rather than widening the column; the tooltip has the whole path.
    fileLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    fileLabel_->setMinimumWidth(60);

    auto* toggles = new QGridLayout(toggleGrid_);
    toggles->setContentsMargins(0, 0, 0, 0);
    toggles->setHorizontalSpacing(4);
    toggles->setVerticalSpacing(2);
    for (int channel = 0; channel < toggleCount; ++channel) {
        auto* toggle = new QCheckBox(QLatin1String(defaultChannelNames[channel]), toggleGrid_);
        toggle->setObjectName(QStringLiteral("show") + QLatin1String(defaultChannelNames[channel]));
        toggle->setChecked(true);
        toggle->setIcon(swatch(channelSeriesStyle(static_cast<std::size_t>(channel))));
        toggles->addWidget(toggle, channel / 5, channel % 5);
        toggles_[static_cast<std::size_t>(channel)] = toggle;
        connect(toggle, &QCheckBox::toggled, this, &CurveFileBox::showFlagsChanged);
    }

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(loadButton_);
    fileRow->addWidget(fileLabel_, 1);
    layout_->addLayout(fileRow);
    layout_->addWidget(toggleGrid_);

    connect(loadButton_, &QPushButton::clicked, this, &CurveFileBox::loadClicked);
    showNoFile(tr("No .quad file loaded"));
}

void CurveFileBox::showFile(const QString& path, const std::vector<std::string>& labels,
                            const QuadCurve& curve) {
    filePath_ = path;
    fileLabel_->setText(tr("%1 (%2 channels)").arg(QFileInfo(path).fileName()).arg(labels.size()));
    fileLabel_->setToolTip(path);
    for (int channel = 0; channel < toggleCount; ++channel) {
        QCheckBox* toggle = toggles_[static_cast<std::size_t>(channel)];
        const auto index = static_cast<std::size_t>(channel);
        const bool exists = index < labels.size();
        const bool inked = exists && index < curve.size() && InkCurveChart::hasInk(curve[index]);
        toggle->setText(exists ? channelName(labels[index])
                               : QLatin1String(defaultChannelNames[channel]));
        toggle->setEnabled(inked);
        toggle->setToolTip(inked ? tr("Show the %1 channel in the graph (the saved curve keeps "
                                      "it either way)")
                                       .arg(toggle->text())
                           : exists
                               ? tr("The %1 channel holds no ink in this curve").arg(toggle->text())
                               : tr("This curve has no channel %1").arg(channel + 1));
    }
}

void CurveFileBox::showNoFile(const QString& text) {
    filePath_.clear();
    fileLabel_->setText(text);
    fileLabel_->setToolTip(QString());
    for (QCheckBox* toggle : toggles_) {
        toggle->setEnabled(false);
        toggle->setToolTip(tr("Load a curve to show or hide its channels"));
    }
}

std::vector<bool> CurveFileBox::showFlags() const {
    std::vector<bool> flags;
    flags.reserve(toggles_.size());
    for (const QCheckBox* toggle : toggles_) {
        flags.push_back(toggle->isChecked());
    }
    return flags;
}

void CurveFileBox::setChannelTogglesVisible(bool visible) {
    toggleGrid_->setVisible(visible);
}

void CurveFileBox::addControl(QWidget* control) {
    control->setParent(this);
    layout_->addWidget(control);
}

}  // namespace sg
