#include <QComboBox>
#include <QTest>

#include "App/AutomaticCurveCreationViewController.h"
#include "App/ManualCurveCreationViewController.h"
#include "ViewSupport/CliComparison.h"
#include "ViewSupport/CreationViewSupport.h"
#include "ViewSupport/ScriptedUiServices.h"
#include "ViewSupport/TestFiles.h"

using namespace sg::testing;

namespace {

struct Creation {
    QString printer;
    QString chart;  // none for the manual tool
    QList<InkSlotSetting> inks;
};

QStringList cliArguments(const Creation& creation) {
    QStringList arguments{"create", "--printer", creation.printer};
    if (!creation.chart.isEmpty()) {
        arguments << "--chart" << creation.chart;
    }
    for (const InkSlotSetting& ink : creation.inks) {
        QString option = ink.ink;
        const auto add = [&option](const char* key, int value, double scale = 1.0) {
            if (value >= 0) {
                option += QStringLiteral(",%1=%2").arg(key).arg(value / scale);
            }
        };
        add("limit", ink.limit);
        add("gray", ink.gray);
        add("start", ink.startPercent, 100.0);
        add("end", ink.endPercent, 100.0);
        add("hardware", ink.hardware);
        arguments << "--ink" << option;
    }
    return arguments;
}

// The tab set up as the command line is, in the command's order: the printer model, the
// chart, then slot by slot the ink and its settings.
template <typename View>
bool saveWithView(const Creation& creation, const QString& target) {
    ScriptedUiServices ui;
    View view(ui);
    view.printerModelBox()->setCurrentText(creation.printer);
    if constexpr (std::is_same_v<View, sg::AutomaticCurveCreationViewController>) {
        ui.answerOpen(creation.chart);
        view.loadChart();
    }
    setInkSlots(view, creation.inks);
    ui.answerSave(target);
    view.saveCurve();
    return ui.alerts.empty() && ui.scriptFinished();
}

template <typename View>
ComparisonRow row(const Creation& creation, const char* golden) {
    return {cliArguments(creation), golden, false,
            [creation](const QString& target, const QString&) {
                return saveWithView<View>(creation, target);
            }};
}

}  // namespace

class CreateCommandTest : public QObject {
    Q_OBJECT

private slots:
    void manualToolWritesWhatTheViewSaves() {
        using View = sg::ManualCurveCreationViewController;
        const QString differences = compareCliWithView({
            row<View>({"P800",
                       {},
                       {{"Black", 70},
                        {"Light Black", 60, 55},
                        {"Light Light Black", 45, 24, 20},
                        {"Yellow", 12, -1, -1, 30}}},
                      "curve-creation/manual-four-inks.quad"),
            row<View>({"x900", {}, {{"Black", 85}, {"Light Black", -1, 40, 30}}},
                      "curve-creation/manual-x900.quad"),
            // No black: the ink in slot 1 stands for full black, and the K channel stays empty.
            row<View>({"1400-1430",
                       {},
                       {{"Cyan", 90}, {"Light Cyan", -1, 60}, {"Light Magenta", 50, 30, -1, 25}}},
                      "curve-creation/manual-six-channels.quad"),
        });
        QVERIFY2(differences.isEmpty(), qPrintable(differences));
    }

    void automaticToolWritesWhatTheViewSaves() {
        using View = sg::AutomaticCurveCreationViewController;
        const QString chart3 = examplePath("separation-chart-3-inks.txt");
        const QString chart4 = examplePath("separation-chart-4-inks.txt");
        const QString differences = compareCliWithView({
            row<View>({"P800",
                       chart3,
                       {{"Black", -1, -1, -1, -1, 90}, {"Light Black"}, {"Light Light Black", 80}}},
                      "curve-creation/automatic-example.quad"),
            row<View>({"P800",
                       chart4,
                       {{"Black"},
                        {"Light Black", 90},
                        {"Light Light Black", 80, -1, 20},
                        {"Yellow", 60, -1, -1, 30, 80}}},
                      "curve-creation/automatic-four-inks.quad"),
            // The chart's own names, ten channels.
            row<View>({"P5000-P7000-P9000", chart3, {}},
                      "curve-creation/automatic-chart-names.quad"),
        });
        QVERIFY2(differences.isEmpty(), qPrintable(differences));
    }
};

QTEST_MAIN(CreateCommandTest)
#include "CreateCommandTest.moc"
