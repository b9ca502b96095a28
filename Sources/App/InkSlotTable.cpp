#include "App/InkSlotTable.h"

#include <cmath>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "App/InkCurveColors.h"
#include "QuadFiles/InkType.h"

namespace sg {
namespace {

// Grid columns; a tool's table leaves the columns of the other tool empty.
enum Column {
    slotColumn,
    swatchColumn,
    inkColumn,
    roleColumn,
    inkLimitColumn,
    inkLimitValueColumn,
    hardwareLimitColumn,
    grayValueColumn,
    startingOverlapColumn,
    endingOverlapColumn,
};

constexpr int headerRows = 1;
const QString noValue = QStringLiteral("\u2013");
// The longest ink name a pop-up shows, so that choosing a printer does not widen the column.
const QString longestInkName = QStringLiteral("Light Light Black");

int wholePercent(double value) {
    return static_cast<int>(std::lround(value));
}

QString percentText(double value, int decimals) {
    return QString::number(value, 'f', decimals) + QStringLiteral(" %");
}

QSpinBox* percentBox(int minimum, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(minimum, 100);
    box->setSuffix(QStringLiteral(" %"));
    box->setKeyboardTracking(false);
    box->setAlignment(Qt::AlignRight);
    return box;
}

QString inkToolTip(InkSlotColumns columns) {
    if (columns == InkSlotColumns::manual) {
        return QObject::tr(
            "The ink in this slot: slot 1 holds the darkest ink, each next slot a lighter one. "
            "Choose an ink in the first free slot to add it, \"Not Used\" in the last slot to "
            "remove it. The ink's name decides its channel in the curve file.");
    }
    return QObject::tr(
        "Which of the printer's inks this ink of the chart is (the chart lists the darkest ink "
        "first); its name decides its channel in the curve file");
}

QString inkLimitToolTip(InkSlotColumns columns) {
    if (columns == InkSlotColumns::manual) {
        return QObject::tr(
            "The most ink this ink lays down, reached at its gray value, in percent of full ink "
            "(100 % = 65535). Lower it for an ink that floods the paper.");
    }
    return QObject::tr(
        "The most ink this ink lays down, in percent of full ink (100 % = 65535): its measured "
        "curve is cut there, and the gray values follow. Drag to watch both graphs.");
}

QString roleToolTip() {
    return QObject::tr(
        "Whether you use this ink as a gray ink or as a toner, for your own overview: the curve "
        "does not depend on it");
}

QString hardwareLimitToolTip() {
    return QObject::tr(
        "The share of the ink limit the printer really lays down, in percent: 90 % prints this "
        "ink at 90 % of its ink limit");
}

QString grayValueToolTip() {
    return QObject::tr(
        "The tone this ink stands for, in percent of the gray ramp from paper white (0 %) to full "
        "black (100 %): the ink peaks there. Slot 1 is full black, 100 %.");
}

QString measuredGrayValueToolTip() {
    return QObject::tr(
        "The tone this ink stands for, in percent of the gray ramp, measured: where the next "
        "darker ink reaches this ink's darkest tone");
}

QString startingOverlapToolTip() {
    return QObject::tr(
        "How early this ink starts under its lighter neighbour, in percent of that ink's gray "
        "value: at 10 %, an ink whose lighter neighbour peaks at 40 % starts at 36 %");
}

QString endingOverlapToolTip() {
    return QObject::tr(
        "How long this ink runs on under its darker neighbour, in percent of that ink's gray "
        "value: at 10 %, an ink whose darker neighbour peaks at 50 % fades out at 55 %");
}

}  // namespace

InkSlotTable::InkSlotTable(InkSlotColumns columns, QWidget* parent)
    : QGroupBox(tr("Inks"), parent) {
    setObjectName(QStringLiteral("inkSlotTable"));
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(3);
    grid->setContentsMargins(grid->contentsMargins().left(), 4, grid->contentsMargins().right(), 4);
    addHeader(columns);
    for (std::size_t slot = 0; slot < rows_.size(); ++slot) {
        addRow(slot, columns);
    }
    grid->setColumnStretch(inkLimitColumn, 1);
}

void InkSlotTable::addHeader(InkSlotColumns columns) {
    auto* grid = static_cast<QGridLayout*>(layout());
    const auto title = [this, grid](const QString& text, const QString& toolTip, int column,
                                    int span = 1) {
        auto* label = new QLabel(text, this);
        label->setToolTip(toolTip);
        label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        grid->addWidget(label, 0, column, 1, span);
    };
    const bool manual = columns == InkSlotColumns::manual;
    title(tr("Slot"), tr("Slot 1 holds the darkest ink"), slotColumn);
    title(tr("Line"), tr("How the ink is drawn in the graphs"), swatchColumn);
    title(tr("Ink"), inkToolTip(columns), inkColumn);
    if (manual) {
        title(tr("Role"), roleToolTip(), roleColumn);
    }
    title(tr("Ink limit"), inkLimitToolTip(columns), inkLimitColumn, 2);
    if (!manual) {
        title(tr("Hardware\nlimit"), hardwareLimitToolTip(), hardwareLimitColumn);
    }
    title(tr("Gray\nvalue"), manual ? grayValueToolTip() : measuredGrayValueToolTip(),
          grayValueColumn);
    title(tr("Starting\noverlap"), startingOverlapToolTip(), startingOverlapColumn);
    title(tr("Ending\noverlap"), endingOverlapToolTip(), endingOverlapColumn);
}

// The controls are made in Tab order: along the row, then down to the next slot.
void InkSlotTable::addRow(std::size_t slot, InkSlotColumns columns) {
    auto* grid = static_cast<QGridLayout*>(layout());
    const int gridRow = headerRows + static_cast<int>(slot);
    const QString name = QStringLiteral("slot%1").arg(slot + 1);
    Row& row = rows_[slot];

    auto* number = new QLabel(QString::number(slot + 1), this);
    number->setAlignment(Qt::AlignCenter);
    grid->addWidget(number, gridRow, slotColumn);
    row.swatch = new QLabel(this);
    row.swatch->setObjectName(name + QStringLiteral("Swatch"));
    row.swatch->setToolTip(tr("How the ink is drawn in the graphs"));
    grid->addWidget(row.swatch, gridRow, swatchColumn);

    row.ink = new QComboBox(this);
    row.ink->setObjectName(name + QStringLiteral("Ink"));
    row.ink->setToolTip(inkToolTip(columns));
    QStyleOptionComboBox option;
    option.initFrom(row.ink);
    const QSize longest(row.ink->fontMetrics().horizontalAdvance(longestInkName),
                        row.ink->fontMetrics().height());
    row.ink->setMinimumWidth(
        style()->sizeFromContents(QStyle::CT_ComboBox, &option, longest, row.ink).width());
    grid->addWidget(row.ink, gridRow, inkColumn);
    connect(row.ink, &QComboBox::currentIndexChanged, this,
            [this, slot](int index) { emit inkChosen(slot, rows_[slot].ink->itemText(index)); });

    if (columns == InkSlotColumns::manual) {
        row.role = new QComboBox(this);
        row.role->setObjectName(name + QStringLiteral("Role"));
        row.role->setToolTip(roleToolTip());
        for (const std::string& role : InkType::roles) {
            row.role->addItem(QString::fromStdString(role));
        }
        grid->addWidget(row.role, gridRow, roleColumn);
    }

    row.inkLimit = new QSlider(Qt::Horizontal, this);
    row.inkLimit->setObjectName(name + QStringLiteral("InkLimit"));
    row.inkLimit->setToolTip(inkLimitToolTip(columns));
    row.inkLimit->setRange(static_cast<int>(InkSlotRanges::percentMinimum),
                           static_cast<int>(InkSlotRanges::percentMaximum));
    row.inkLimit->setPageStep(10);
    row.inkLimit->setMinimumWidth(40);
    grid->addWidget(row.inkLimit, gridRow, inkLimitColumn);
    // valueChanged, not sliderReleased: the graphs follow the drag.
    connect(row.inkLimit, &QSlider::valueChanged, this,
            [this, slot](int percent) { emit inkLimitChanged(slot, percent); });
    row.inkLimitValue = new QLabel(this);
    row.inkLimitValue->setObjectName(name + QStringLiteral("InkLimitValue"));
    row.inkLimitValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.inkLimitValue->setMinimumWidth(
        row.inkLimitValue->fontMetrics().horizontalAdvance(QStringLiteral("100 %")));
    grid->addWidget(row.inkLimitValue, gridRow, inkLimitValueColumn);

    if (columns == InkSlotColumns::automatic) {
        row.hardwareLimit = percentBox(static_cast<int>(InkSlotRanges::percentMinimum), this);
        row.hardwareLimit->setObjectName(name + QStringLiteral("HardwareLimit"));
        row.hardwareLimit->setToolTip(hardwareLimitToolTip());
        grid->addWidget(row.hardwareLimit, gridRow, hardwareLimitColumn);
        connect(row.hardwareLimit, &QSpinBox::valueChanged, this,
                [this, slot](int percent) { emit hardwareLimitChanged(slot, percent); });
        row.measuredGrayValue = new QLabel(this);
        row.measuredGrayValue->setObjectName(name + QStringLiteral("GrayValue"));
        row.measuredGrayValue->setToolTip(measuredGrayValueToolTip());
        row.measuredGrayValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.measuredGrayValue->setMinimumWidth(
            row.measuredGrayValue->fontMetrics().horizontalAdvance(QStringLiteral("100.0 %")));
        grid->addWidget(row.measuredGrayValue, gridRow, grayValueColumn);
    } else {
        row.grayValue = new QDoubleSpinBox(this);
        row.grayValue->setObjectName(name + QStringLiteral("GrayValue"));
        row.grayValue->setToolTip(grayValueToolTip());
        // 0 never is a gray value (the tool keeps them from 1 % up): it shows a slot without
        // an ink.
        row.grayValue->setRange(0.0, InkSlotRanges::percentMaximum);
        row.grayValue->setSpecialValueText(noValue);
        row.grayValue->setDecimals(1);
        row.grayValue->setSuffix(QStringLiteral(" %"));
        row.grayValue->setKeyboardTracking(false);
        row.grayValue->setAlignment(Qt::AlignRight);
        grid->addWidget(row.grayValue, gridRow, grayValueColumn);
        connect(row.grayValue, &QDoubleSpinBox::valueChanged, this,
                [this, slot](double percent) { emit grayValueChanged(slot, percent); });
    }

    row.startingOverlap = percentBox(0, this);
    row.startingOverlap->setObjectName(name + QStringLiteral("StartingOverlap"));
    row.startingOverlap->setToolTip(startingOverlapToolTip());
    grid->addWidget(row.startingOverlap, gridRow, startingOverlapColumn);
    connect(row.startingOverlap, &QSpinBox::valueChanged, this,
            [this, slot](int percent) { emit startingOverlapChanged(slot, percent / 100.0); });
    row.endingOverlap = percentBox(0, this);
    row.endingOverlap->setObjectName(name + QStringLiteral("EndingOverlap"));
    row.endingOverlap->setToolTip(endingOverlapToolTip());
    grid->addWidget(row.endingOverlap, gridRow, endingOverlapColumn);
    connect(row.endingOverlap, &QSpinBox::valueChanged, this,
            [this, slot](int percent) { emit endingOverlapChanged(slot, percent / 100.0); });
}

void InkSlotTable::showSlot(std::size_t slot, const InkSlotState& state, const InkSettings* ink,
                            const std::vector<std::string>& inkNames) {
    const Row& row = rows_.at(slot);
    const QSignalBlocker inkBlocker(row.ink);
    const QSignalBlocker limitBlocker(row.inkLimit);
    const QSignalBlocker startBlocker(row.startingOverlap);
    const QSignalBlocker endBlocker(row.endingOverlap);

    showSwatch(row.swatch, ink);
    showInkChoice(row.ink, state.shownInk, inkNames);
    row.ink->setEnabled(state.inkChoiceEnabled);

    // A slot without an ink shows the defaults of a new one, disabled.
    const int limit = wholePercent(ink ? ink->inkLimit : InkSlotRanges::percentMaximum);
    row.inkLimit->setValue(limit);
    row.inkLimit->setEnabled(state.settingsEnabled);
    row.inkLimitValue->setText(ink ? percentText(limit, 0) : noValue);
    row.inkLimitValue->setEnabled(state.settingsEnabled);
    row.startingOverlap->setValue(ink ? wholePercent(ink->startingOverlap * 100.0) : 0);
    row.startingOverlap->setEnabled(state.settingsEnabled);
    row.endingOverlap->setValue(ink ? wholePercent(ink->endingOverlap * 100.0) : 0);
    row.endingOverlap->setEnabled(state.settingsEnabled);

    if (row.role != nullptr) {
        // The role belongs to the ink: a slot that loses its ink starts over.
        if (ink == nullptr) {
            row.role->setCurrentIndex(0);
        }
        row.role->setEnabled(state.settingsEnabled);
    }
    if (row.grayValue != nullptr) {
        const QSignalBlocker grayBlocker(row.grayValue);
        row.grayValue->setValue(ink ? ink->grayValue : 0.0);
        row.grayValue->setEnabled(state.grayValueEnabled);
    }
    if (row.hardwareLimit != nullptr) {
        const QSignalBlocker hardwareBlocker(row.hardwareLimit);
        row.hardwareLimit->setValue(
            wholePercent(ink ? ink->hardwareLimit : InkSlotRanges::percentMaximum));
        row.hardwareLimit->setEnabled(state.settingsEnabled);
    }
    if (row.measuredGrayValue != nullptr) {
        row.measuredGrayValue->setText(ink ? percentText(ink->grayValue, 1) : noValue);
        row.measuredGrayValue->setEnabled(state.settingsEnabled);
    }
}

void InkSlotTable::showSwatch(QLabel* swatch, const InkSettings* ink) {
    const QString name = ink ? QString::fromStdString(ink->inkName) : QString();
    if (swatch->property("ink").toString() == name && !swatch->pixmap().isNull()) {
        return;
    }
    swatch->setProperty("ink", name);
    QPixmap sample(28, 12);
    sample.fill(Qt::transparent);
    if (ink != nullptr) {
        // A piece of the graph: the line on the plot's white.
        const InkSeriesStyle style = inkSeriesStyle(QString(), ink->inkName);
        QPainter painter(&sample);
        painter.fillRect(sample.rect(), Qt::white);
        painter.setPen(QPen(QBrush(readableOnWhite(style.color)), 2.0, style.penStyle));
        painter.drawLine(2, 6, 26, 6);
    }
    swatch->setPixmap(sample);
}

void InkSlotTable::showInkChoice(QComboBox* box, const std::string& shownInk,
                                 const std::vector<std::string>& inkNames) {
    const QString shown = QString::fromStdString(shownInk);
    QStringList entries;
    for (const std::string& name : inkNames) {
        entries << QString::fromStdString(name);
    }
    // An ink the printer model does not offer stays in its slot: it is shown, but cannot be
    // chosen again.
    const bool offered = entries.contains(shown);
    if (!offered) {
        entries.prepend(shown);
    }
    QStringList current;
    for (int index = 0; index < box->count(); ++index) {
        current << box->itemText(index);
    }
    if (current != entries) {
        box->clear();
        box->addItems(entries);
        if (!offered && !inkNames.empty()) {
            static_cast<QStandardItemModel*>(box->model())->item(0)->setEnabled(false);
        }
    }
    box->setCurrentIndex(static_cast<int>(entries.indexOf(shown)));
}

}  // namespace sg
