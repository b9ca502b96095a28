#include <QSlider>
#include <QTest>

#include "App/CurveBlendingViewController.h"
#include "App/SaveRow.h"
#include "ViewSupport/CliComparison.h"
#include "ViewSupport/ScriptedUiServices.h"
#include "ViewSupport/TestFiles.h"

using sg::BlendZone;
using sg::CurveBlendingViewController;
using namespace sg::testing;

namespace {

using ZonePercents = QList<int>;  // whites, lights, mids, darks, blacks

const char* const zoneOptions[] = {"--whites", "--lights", "--mids", "--darks", "--blacks"};

bool saveWithView(const QString& curve1, const QString& curve2, const ZonePercents& percents,
                  const QString& target, const QString& xmlFolder) {
    ScriptedUiServices ui;
    CurveBlendingViewController view(ui);
    ui.answerOpen(curve1);
    view.loadCurve1();
    ui.answerOpen(curve2);
    view.loadCurve2();
    for (qsizetype zone = 0; zone < percents.size(); ++zone) {
        view.zoneSlider(static_cast<BlendZone>(zone))->setValue(percents[zone]);
    }
    return saveThroughRow(ui, *view.saveRow(), target, xmlFolder, [&view] { view.saveBlend(); });
}

ComparisonRow blend(const QString& curve1, const QString& curve2, const ZonePercents& percents,
                    const char* golden, bool gutenprint = false) {
    QStringList arguments{"blend", curve1, curve2};
    for (qsizetype zone = 0; zone < percents.size(); ++zone) {
        arguments << zoneOptions[zone] << QString::number(percents[zone]);
    }
    return {arguments, golden, gutenprint, [=](const QString& target, const QString& xmlFolder) {
                return saveWithView(curve1, curve2, percents, target, xmlFolder);
            }};
}

}  // namespace

class CurveBlendingViewCommandTest : public QObject {
    Q_OBJECT

private slots:
    void cliWritesWhatTheViewSaves() {
        const QString glossy = testDataPath("CurveTools/GlossyNeutral8Crlf.quad");
        const QString warm = testDataPath("CurveTools/WarmBaryta8.quad");
        const QString differences = compareCliWithView({
            // The same blend the core's save test writes.
            blend(glossy, warm, {100, 80, 50, 20, 0}, "blend-glossy-warm.quad"),
            // All of curve 2 under curve 1's header.
            blend(warm, glossy, {0, 0, 0, 0, 0}, "blend-warm-all-glossy.quad"),
            // Six channels, a Latin-1 note and no final line feed.
            blend(testDataPath("CurveTools/MatteCool6.quad"),
                  testDataPath("CurveTools/Matte6Crlf.quad"), {30, 100, 0, 100, 45},
                  "blend-six-channels.quad"),
            blend(warm, glossy, {100, 60, 40, 60, 100}, "blend-gutenprint.quad", true),
        });
        QVERIFY2(differences.isEmpty(), qPrintable(differences));
    }
};

QTEST_MAIN(CurveBlendingViewCommandTest)
#include "CurveBlendingViewCommandTest.moc"
