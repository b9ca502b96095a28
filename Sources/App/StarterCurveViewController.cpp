#include "App/StarterCurveViewController.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "App/InkCurveChart.h"
#include "App/SaveRow.h"
#include "App/UiServices.h"

namespace sg {
namespace {

using Ranges = StarterControlRanges;

// The graph shows K to LLK; the 10-ink family's OR and GR channels stay empty.
constexpr std::size_t graphedChannels = 8;

QStringList menuEntries(const std::vector<std::string>& titles) {
    QStringList entries;
    for (const std::string& title : titles) {
        entries << QString::fromStdString(title);
    }
    return entries;
}

QComboBox* makeMenu(const std::vector<std::string>& titles, const char* name, QWidget* parent) {
    auto* menu = new QComboBox(parent);
    menu->setObjectName(QLatin1String(name));
    menu->addItems(menuEntries(titles));
    return menu;
}

QLabel* makeReadout(const char* name, const QString& widest, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widest));
    return label;
}

QString percentText(int percent) {
    return QStringLiteral("%1 %").arg(percent);
}

// "+45.5 %": the boost is extra black ink at maximum black.
QString boostText(double boost) {
    return (boost < 0.0 ? QString() : QStringLiteral("+")) + QString::number(boost) +
           QStringLiteral(" %");
}

}  // namespace

StarterCurveViewController::StarterCurveViewController(UiServices& ui, QWidget* parent)
    : ToolView(ui, parent),
      savedCurve_(tool_.curve().curve()),
      saveRow_(new SaveRow(ui, tr("Save Starter Curve..."), this)),
      inkChart_(new InkCurveChart(ui, QString(), this)) {
    inkChart_->setObjectName(QStringLiteral("inkChart"));
    saveRow_->saveButton()->setToolTip(
        tr("Saves the starter curve as a .quad file for QuadToneRIP (Ctrl+S)"));

    QGroupBox* choiceBox = makeChoiceBox();
    QGroupBox* tonerBox = makeTonerBox();
    QGroupBox* boostBox = makeBoostBox();
    alignControlTitles();
    auto* graphs = new QVBoxLayout;
    graphs->addWidget(inkChart_);
    arrange({choiceBox, tonerBox, boostBox, saveRow_}, graphs);

    connect(saveRow_, &SaveRow::saveClicked, this, &StarterCurveViewController::saveCurve);
    connect(saveRow_, &SaveRow::saved, this, &StarterCurveViewController::resultSaved);
    curveChanged();
}

void StarterCurveViewController::alignControlTitles() {
    // The titles are the labels with a buddy; one width for all lines the controls up.
    const QList<QLabel*> labels = findChildren<QLabel*>();
    int widest = 0;
    for (const QLabel* label : labels) {
        if (label->buddy() != nullptr) {
            widest = std::max(widest, label->sizeHint().width());
        }
    }
    for (QLabel* label : labels) {
        if (label->buddy() != nullptr) {
            label->setMinimumWidth(widest);
        }
    }
}

QGroupBox* StarterCurveViewController::makeChoiceBox() {
    auto* box = new QGroupBox(tr("Printer, paper and toning"), this);
    printerMenu_ = makeMenu(printerMenuTitles(), "printerMenu", box);
    printerMenu_->setToolTip(
        tr("The printer family: it decides the ink set (8 or 10 channels) and the black ramps "
           "laid out for it. The toner strength stays as it is"));
    paperMenu_ = makeMenu(paperMenuTitles(), "paperMenu", box);
    paperMenu_->setToolTip(
        tr("The paper: gloss and matte have black ramps of their own per printer family, the "
           "two gravure papers one for every printer. Sets the toner strength back to 25"));
    tonerMenu_ = makeMenu(tonerMenuTitles(), "tonerMenu", box);
    tonerMenu_->setToolTip(
        tr("The print's tone: K3 prints with the black inks alone; each toner adds a little "
           "cyan, magenta and yellow after its recipe and takes the same ink out of the blacks; "
           "Custom uses the mix set below. Sets the toner strength back to 25"));

    auto* layout = new QGridLayout(box);
    const std::pair<QString, QComboBox*> rows[] = {
        {tr("&Printer:"), printerMenu_}, {tr("P&aper:"), paperMenu_}, {tr("&Toning:"), tonerMenu_}};
    int row = 0;
    for (const auto& [title, menu] : rows) {
        auto* label = new QLabel(title, box);
        label->setBuddy(menu);
        layout->addWidget(label, row, 0);
        layout->addWidget(menu, row, 1);
        ++row;
    }
    layout->setColumnStretch(1, 1);

    connect(printerMenu_, &QComboBox::currentIndexChanged, this, [this](int position) {
        tool_.choosePrinter(position);
        curveChanged();
    });
    connect(paperMenu_, &QComboBox::currentTextChanged, this, [this](const QString& title) {
        tool_.choosePaper(title.toStdString());
        curveChanged();
    });
    connect(tonerMenu_, &QComboBox::currentIndexChanged, this, [this](int position) {
        tool_.chooseToner(position);
        curveChanged();
    });
    return box;
}

QDoubleSpinBox* StarterCurveViewController::makeCustomFactorBox(const QString& colour,
                                                                QWidget* parent) {
    auto* factor = new QDoubleSpinBox(parent);
    factor->setRange(Ranges::customFactorMinimum, Ranges::customFactorMaximum);
    factor->setDecimals(2);
    factor->setSingleStep(0.05);
    factor->setKeyboardTracking(false);
    factor->setToolTip(
        tr("Only while the toning is \"Custom\": how much %1 the print gets, as a factor on the "
           "built-in %1 and light %1 curves (the toners' recipes use 0 to 0.5), times the "
           "strength above. The same ink is taken out of the blacks")
            .arg(colour));
    return factor;
}

QGroupBox* StarterCurveViewController::makeTonerBox() {
    auto* box = new QGroupBox(tr("Toner"), this);
    saturationSlider_ = new QSlider(Qt::Horizontal, box);
    saturationSlider_->setObjectName(QStringLiteral("saturationSlider"));
    saturationSlider_->setRange(static_cast<int>(Ranges::saturationMinimum * saturationSteps),
                                static_cast<int>(Ranges::saturationMaximum * saturationSteps));
    saturationSlider_->setPageStep(10);
    saturationSlider_->setTickPosition(QSlider::TicksBelow);
    saturationSlider_->setTickInterval(saturationSteps / 2);
    saturationSlider_->setToolTip(
        tr("How strongly the print is toned: all colour inks at this many fiftieths of the "
           "toner's recipe (0 none, 25 half, where every paper or toning choice starts, 50 the "
           "recipe, 100 twice). The same ink is taken out of the blacks"));
    saturationLabel_ = makeReadout("saturationLabel", QStringLiteral("100.00"), box);
    saturationLabel_->setToolTip(tr("The toner strength, 0 to 100"));

    customCyanBox_ = makeCustomFactorBox(tr("cyan"), box);
    customCyanBox_->setObjectName(QStringLiteral("customCyanBox"));
    customMagentaBox_ = makeCustomFactorBox(tr("magenta"), box);
    customMagentaBox_->setObjectName(QStringLiteral("customMagentaBox"));
    customYellowBox_ = makeCustomFactorBox(tr("yellow"), box);
    customYellowBox_->setObjectName(QStringLiteral("customYellowBox"));
    cyanLimitLabel_ = makeReadout("cyanLimitLabel", QStringLiteral("100 %"), box);
    magentaLimitLabel_ = makeReadout("magentaLimitLabel", QStringLiteral("100 %"), box);
    yellowLimitLabel_ = makeReadout("yellowLimitLabel", QStringLiteral("100 %"), box);

    auto* layout = new QGridLayout(box);
    auto* strengthTitle = new QLabel(tr("&Strength:"), box);
    strengthTitle->setBuddy(saturationSlider_);
    layout->addWidget(strengthTitle, 0, 0);
    layout->addWidget(saturationSlider_, 0, 1, 1, 2);
    layout->addWidget(saturationLabel_, 0, 3);
    layout->addWidget(new QLabel(tr("Custom mix"), box), 1, 1);
    auto* atBlack = new QLabel(tr("Ink at black"), box);
    atBlack->setToolTip(
        tr("Each colour ink at maximum black (input 100 %), in percent of full ink"));
    layout->addWidget(atBlack, 1, 2, 1, 2, Qt::AlignRight);
    const struct {
        QString title;
        QDoubleSpinBox* factor;
        QLabel* limit;
        QString limitTip;
    } rows[] = {
        {tr("&Cyan:"), customCyanBox_, cyanLimitLabel_,
         tr("Cyan at maximum black, in percent of full ink")},
        {tr("&Magenta:"), customMagentaBox_, magentaLimitLabel_,
         tr("Magenta at maximum black, in percent of full ink")},
        {tr("&Yellow:"), customYellowBox_, yellowLimitLabel_,
         tr("Yellow at maximum black, in percent of full ink")},
    };
    int gridRow = 2;
    for (const auto& row : rows) {
        auto* title = new QLabel(row.title, box);
        title->setBuddy(row.factor);
        row.limit->setToolTip(row.limitTip);
        layout->addWidget(title, gridRow, 0);
        layout->addWidget(row.factor, gridRow, 1);
        layout->addWidget(row.limit, gridRow, 3);
        ++gridRow;
    }
    layout->setColumnStretch(2, 1);

    connect(saturationSlider_, &QSlider::valueChanged, this, [this](int position) {
        tool_.setSaturation(static_cast<double>(position) / saturationSteps);
        curveChanged();
    });
    connect(customCyanBox_, &QDoubleSpinBox::valueChanged, this, [this](double factor) {
        tool_.setCustomCyan(factor);
        curveChanged();
    });
    connect(customMagentaBox_, &QDoubleSpinBox::valueChanged, this, [this](double factor) {
        tool_.setCustomMagenta(factor);
        curveChanged();
    });
    connect(customYellowBox_, &QDoubleSpinBox::valueChanged, this, [this](double factor) {
        tool_.setCustomYellow(factor);
        curveChanged();
    });
    return box;
}

QGroupBox* StarterCurveViewController::makeBoostBox() {
    auto* box = new QGroupBox(tr("Black boost"), this);
    boostSlider_ = new QSlider(Qt::Horizontal, box);
    boostSlider_->setObjectName(QStringLiteral("boostSlider"));
    boostSlider_->setRange(static_cast<int>(Ranges::boostMinimum),
                           static_cast<int>(Ranges::boostMaximum));
    boostSlider_->setPageStep(10);
    boostSlider_->setTickPosition(QSlider::TicksBelow);
    boostSlider_->setTickInterval(10);
    boostSlider_->setToolTip(
        tr("Deeper blacks: the black inks get up to this many percent more ink towards maximum "
           "black, the light tones hardly any. Where black would pass 100 % ink, the boost in "
           "use is lowered until it does not"));
    boostLabel_ = makeReadout("boostLabel", QStringLiteral("+100 %"), box);
    blackLimitLabel_ = new QLabel(box);
    blackLimitLabel_->setObjectName(QStringLiteral("blackLimitLabel"));
    blackLimitLabel_->setToolTip(
        tr("Black (K) ink at maximum black (input 100 %), in percent of full ink"));

    auto* layout = new QGridLayout(box);
    auto* boostTitle = new QLabel(tr("&Boost:"), box);
    boostTitle->setBuddy(boostSlider_);
    layout->addWidget(boostTitle, 0, 0);
    layout->addWidget(boostSlider_, 0, 1);
    layout->addWidget(boostLabel_, 0, 2);
    // Its own row, so that its title does not push the slider to the right.
    auto* blackRow = new QHBoxLayout;
    blackRow->addWidget(new QLabel(tr("Black at maximum:"), box));
    blackRow->addWidget(blackLimitLabel_, 1);
    layout->addLayout(blackRow, 1, 0, 1, 3);
    layout->setColumnStretch(1, 1);

    connect(boostSlider_, &QSlider::valueChanged, this, [this](int boost) {
        tool_.setBoost(boost);
        curveChanged();
    });
    return box;
}

QString StarterCurveViewController::toolTitle() const {
    return QStringLiteral("Starter Curve");
}

QStringList StarterCurveViewController::documentNames() const {
    return {chosenTitles().join('/')};
}

QStringList StarterCurveViewController::chosenTitles() const {
    return {printerMenu_->currentText(), paperMenu_->currentText(), tonerMenu_->currentText()};
}

void StarterCurveViewController::saveCurve() {
    const QString name = chosenTitles().join('-');
    const bool written = saveRow_->save(
        {tr("Save the starter curve"), suggestedSavePath(QString(), name, FileKind::curve),
         [this](const std::filesystem::path& path) { return tool_.saveCurve(path); },
         [this](const std::filesystem::path& folder) { return tool_.exportGutenprintXml(folder); },
         tool_.curve().labels().size()});
    if (written) {
        savedCurve_ = tool_.curve().curve();
    }
}

void StarterCurveViewController::curveChanged() {
    showControls();
    showReadouts();
    redraw();
    setUnsavedResult(tool_.curve().curve() != savedCurve_);
}

void StarterCurveViewController::showControls() {
    const StarterSettings& settings = tool_.settings();
    // A paper or toning choice sets the strength; the slider follows the tool.
    const QSignalBlocker saturationBlocker(saturationSlider_);
    saturationSlider_->setValue(
        static_cast<int>(std::lround(settings.saturation * saturationSteps)));

    const bool custom = settings.toner == Toner::custom;
    const std::pair<QDoubleSpinBox*, double> factors[] = {
        {customCyanBox_, settings.custom.cyan},
        {customMagentaBox_, settings.custom.magenta},
        {customYellowBox_, settings.custom.yellow}};
    for (const auto& [box, factor] : factors) {
        const QSignalBlocker blocker(box);
        box->setValue(factor);
        box->setEnabled(custom);
    }
}

void StarterCurveViewController::showReadouts() {
    saturationLabel_->setText(QString::fromStdString(tool_.saturationLabel()));
    cyanLimitLabel_->setText(percentText(tool_.cyanLimit()));
    magentaLimitLabel_->setText(percentText(tool_.magentaLimit()));
    yellowLimitLabel_->setText(percentText(tool_.yellowLimit()));

    const double inUse = tool_.settings().boost;
    boostLabel_->setText(boostText(tool_.boostSliderValue()));
    QString black = percentText(tool_.blackLimit());
    if (inUse != tool_.boostSliderValue()) {
        black += tr(" (boost held at %1)").arg(boostText(inUse));
    }
    blackLimitLabel_->setText(black);
}

void StarterCurveViewController::redraw() {
    const QuadCurve& curve = tool_.curve().curve();
    inkChart_->setCaption(chosenTitles().join(QStringLiteral(", ")));
    inkChart_->setCurve(QuadCurve(
        curve.begin(),
        curve.begin() + static_cast<std::ptrdiff_t>(std::min(curve.size(), graphedChannels))));
}

}  // namespace sg
