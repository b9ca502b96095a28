#include <functional>
#include <map>

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "App/InkCurveChart.h"
#include "App/SaveRow.h"
#include "App/StarterCurveViewController.h"
#include "ViewSupport/CliComparison.h"
#include "ViewSupport/ViewFixture.h"

using sg::StarterCurveViewController;
using namespace sg::testing;

namespace {

using Control = std::function<void(StarterCurveViewController&, const QString&)>;

// What a user does in the tab for each option, in the order the options are given.
const std::map<QString, Control> controls{
    {"--printer", [](auto& view, auto& title) { view.printerMenu()->setCurrentText(title); }},
    {"--paper", [](auto& view, auto& title) { view.paperMenu()->setCurrentText(title); }},
    {"--toner", [](auto& view, auto& title) { view.tonerMenu()->setCurrentText(title); }},
    {"--saturation",
     [](auto& view, auto& value) {
         view.saturationSlider()->setValue(
             qRound(value.toDouble() * StarterCurveViewController::saturationSteps));
     }},
    {"--custom-c",
     [](auto& view, auto& value) { view.customCyanBox()->setValue(value.toDouble()); }},
    {"--custom-m",
     [](auto& view, auto& value) { view.customMagentaBox()->setValue(value.toDouble()); }},
    {"--custom-y",
     [](auto& view, auto& value) { view.customYellowBox()->setValue(value.toDouble()); }},
    {"--boost", [](auto& view, auto& value) { view.boostSlider()->setValue(value.toInt()); }},
};

// The command with its options, given as "--option;value;..." in the order the tool takes them.
ComparisonRow starter(const char* options, const char* golden, bool gutenprint = false) {
    const QStringList arguments = QStringList{"starter"} + QString::fromUtf8(options).split(';');
    return viewRow<StarterCurveViewController>(
        arguments, golden, gutenprint, [arguments](auto&, auto& view) {
            for (qsizetype option = 1; option + 1 < arguments.size(); option += 2) {
                controls.at(arguments[option])(view, arguments[option + 1]);
            }
        });
}

}  // namespace

class StarterCurveViewTest : public QObject, ViewFixture<StarterCurveViewController> {
    Q_OBJECT

private slots:
    void init() { QVERIFY(setUp()); }
    void cleanup() { QVERIFY(scriptFinished() && ui->alerts.empty()); }

    // That each control reaches the tool, the command-line comparison shows.
    void readoutsAndGraphFollowThePopUps() {
        QCOMPARE(view->blackLimitLabel()->text(), QStringLiteral("68 %"));
        QVERIFY(!view->hasUnsavedResult());
        view->tonerMenu()->setCurrentText(QStringLiteral("Neutral"));
        QCOMPARE(view->cyanLimitLabel()->text(), QStringLiteral("6 %"));
        QVERIFY(
            drawsInkValues(view->inkChart()->curveSeries().at(1), view->tool().curve().curve()[1]));
        QVERIFY(view->hasUnsavedResult());

        // The 10-ink family: the graph keeps K to LLK.
        view->printerMenu()->setCurrentText(QStringLiteral("x900"));
        QCOMPARE(view->inkChart()->curveSeries().size(), 8);
        QCOMPARE(view->documentNames(), QStringList{"x900/Gloss/Neutral"});
    }

    void slidersShowTheToolsState() {
        view->saturationSlider()->setValue(80);
        QCOMPARE(view->saturationLabel()->text(), QStringLiteral("40.00"));
        // The slider stays where it was put; the boost in use is lowered.
        view->boostSlider()->setValue(50);
        QCOMPARE(view->boostLabel()->text(), QStringLiteral("+50 %"));
        QCOMPARE(view->blackLimitLabel()->text(), QStringLiteral("100 % (boost held at +45.5 %)"));
        view->tonerMenu()->setCurrentText(QStringLiteral("Sepia"));
        QCOMPARE(view->saturationSlider()->value(), 50);
    }

    void customFactorsActOnlyWithCustom() {
        QDoubleSpinBox* magenta = view->customMagentaBox();
        QVERIFY(!magenta->isEnabled());
        QVERIFY(magenta->toolTip().startsWith("Only while the toning is \"Custom\""));
        view->tonerMenu()->setCurrentText(QStringLiteral("Custom"));
        QVERIFY(view->customCyanBox()->isEnabled() && magenta->isEnabled() &&
                view->customYellowBox()->isEnabled());
        magenta->setValue(0.4);
        QCOMPARE(view->magentaLimitLabel()->text(),
                 QStringLiteral("%1 %").arg(view->tool().magentaLimit()));
        view->tonerMenu()->setCurrentText(QStringLiteral("Cool"));
        QVERIFY(!magenta->isEnabled());
        QCOMPARE(magenta->value(), 0.4);
    }

    void saveAsksWithANameFromTheChoiceAndMarksTheResult() {
        view->printerMenu()->setCurrentText(QStringLiteral("P800"));
        view->tonerMenu()->setCurrentText(QStringLiteral("Warm"));
        ui->cancelSave();
        view->saveRow()->saveButton()->click();
        QCOMPARE(ui->saveRequests.back().suggestion, QStringLiteral("P800-Gloss-Warm.quad"));
        QVERIFY(QDir(folder.path()).isEmpty() && view->hasUnsavedResult());

        ui->answerSave(folder.filePath("warm"));
        view->saveFile();

        // Unsaved while the curve differs from the one saved.
        QVERIFY(!view->hasUnsavedResult());
        view->boostSlider()->setValue(10);
        QVERIFY(view->hasUnsavedResult());
        view->boostSlider()->setValue(0);
        QVERIFY(!view->hasUnsavedResult());
    }

    void cliWritesWhatTheViewSaves() {
        const QString differences = compareCliWithView({
            starter("--printer;P800;--paper;Gloss;--toner;Warm Neutral;--boost;15",
                    "starter-p800-warm-neutral.quad"),
            // The boost loop lowers the boost on the matte blacks under the stronger toner.
            starter("--printer;P600;--paper;Matte;--toner;Sepia;--saturation;0.8;--boost;100",
                    "starter-p600-matte-sepia.quad"),
            starter("--printer;P5000-P7000-P9000;--paper;Gravure Positive;--toner;Custom;"
                    "--custom-c;0.1;--custom-m;0.25;--custom-y;0.4;--boost;30",
                    "starter-10-channel.quad"),
            starter("--printer;x800-x880;--paper;DTP Polymergravure (MK);--toner;Selenium;"
                    "--saturation;0.3",
                    "starter-gutenprint.quad", true),
        });
        QVERIFY2(differences.isEmpty(), qPrintable(differences));
    }
};

QTEST_MAIN(StarterCurveViewTest)
#include "StarterCurveViewTest.moc"
