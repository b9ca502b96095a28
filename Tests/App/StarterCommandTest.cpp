#include <functional>
#include <map>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSlider>
#include <QTest>

#include "App/StarterCurveViewController.h"
#include "ViewSupport/CliComparison.h"
#include "ViewSupport/ScriptedUiServices.h"
#include "ViewSupport/TestFiles.h"

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

bool saveWithView(const QStringList& arguments, const QString& target, const QString& xmlFolder) {
    ScriptedUiServices ui;
    StarterCurveViewController view(ui);
    for (qsizetype option = 1; option + 1 < arguments.size(); option += 2) {
        controls.at(arguments[option])(view, arguments[option + 1]);
    }
    return saveThroughRow(ui, *view.saveRow(), target, xmlFolder, [&view] { view.saveCurve(); });
}

// The command with its options, given as "--option;value;..." in the order the tool takes them.
ComparisonRow starter(const char* options, const char* golden, bool gutenprint = false) {
    const QStringList arguments = QStringList{"starter"} + QString::fromUtf8(options).split(';');
    return {arguments, golden, gutenprint,
            [arguments](const QString& target, const QString& xmlFolder) {
                return saveWithView(arguments, target, xmlFolder);
            }};
}

}  // namespace

class StarterCommandTest : public QObject {
    Q_OBJECT

private slots:
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

QTEST_MAIN(StarterCommandTest)
#include "StarterCommandTest.moc"
