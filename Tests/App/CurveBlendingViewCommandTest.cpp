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

}  // namespace

class CurveBlendingViewCommandTest : public QObject {
    Q_OBJECT

private:
    TestFolder folder;

private slots:
    void init() { QVERIFY(folder.reset()); }

    void cliWritesWhatTheViewSaves_data() {
        QTest::addColumn<QString>("curve1");
        QTest::addColumn<QString>("curve2");
        QTest::addColumn<ZonePercents>("percents");
        QTest::addColumn<QString>("golden");
        QTest::addColumn<bool>("gutenprint");
        const QString glossy = testDataPath("CurveTools/GlossyNeutral8Crlf.quad");
        const QString warm = testDataPath("CurveTools/WarmBaryta8.quad");
        // The same blend the core's save test writes.
        QTest::newRow("CRLF curve 1, zones bent")
            << glossy << warm << ZonePercents{100, 80, 50, 20, 0} << "blend-glossy-warm.quad"
            << false;
        QTest::newRow("all of curve 2 under curve 1's header")
            << warm << glossy << ZonePercents{0, 0, 0, 0, 0} << "blend-warm-all-glossy.quad"
            << false;
        QTest::newRow("six channels, Latin-1 note, no final line feed")
            << testDataPath("CurveTools/MatteCool6.quad")
            << testDataPath("CurveTools/Matte6Crlf.quad") << ZonePercents{30, 100, 0, 100, 45}
            << "blend-six-channels.quad" << false;
        QTest::newRow("Gutenprint export") << warm << glossy << ZonePercents{100, 60, 40, 60, 100}
                                           << "blend-gutenprint.quad" << true;
    }

    void cliWritesWhatTheViewSaves() {
        QFETCH(QString, curve1);
        QFETCH(QString, curve2);
        QFETCH(ZonePercents, percents);
        QFETCH(QString, golden);
        QFETCH(bool, gutenprint);
        QStringList arguments{"blend", curve1, curve2};
        for (qsizetype zone = 0; zone < percents.size(); ++zone) {
            arguments << zoneOptions[zone] << QString::number(percents[zone]);
        }
        const QString difference = compareCliWithView(
            {arguments, golden, gutenprint},
            [&](const QString& target, const QString& xmlFolder) {
                return saveWithView(curve1, curve2, percents, target, xmlFolder);
            },
            folder.path());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
};

QTEST_MAIN(CurveBlendingViewCommandTest)
#include "CurveBlendingViewCommandTest.moc"
