#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QSlider>
#include <QTest>

#include "App/BlendShareChart.h"
#include "App/CurveBlendingViewController.h"
#include "App/CurveFileBox.h"
#include "App/InkCurveChart.h"
#include "App/SaveRow.h"
#include "ViewSupport/CliComparison.h"
#include "ViewSupport/ViewFixture.h"

using sg::BlendCurve;
using sg::BlendZone;
using sg::CurveBlendingViewController;
using namespace sg::testing;

const QString glossyFile = testDataPath("CurveTools/GlossyNeutral8Crlf.quad");
const QString warmFile = testDataPath("CurveTools/WarmBaryta8.quad");
const QString sixChannelFile = testDataPath("CurveTools/Matte6Crlf.quad");

namespace {

using ZonePercents = QList<int>;  // whites, lights, mids, darks, blacks

const char* const zoneOptions[] = {"--whites", "--lights", "--mids", "--darks", "--blacks"};

ComparisonRow blend(const QString& curve1, const QString& curve2, const ZonePercents& percents,
                    const char* golden, bool gutenprint = false) {
    QStringList arguments{"blend", curve1, curve2};
    for (qsizetype zone = 0; zone < percents.size(); ++zone) {
        arguments << zoneOptions[zone] << QString::number(percents[zone]);
    }
    return viewRow<CurveBlendingViewController>(
        arguments, golden, gutenprint, [=](auto& ui, auto& view) {
            ui.answerOpen(curve1);
            view.loadCurve1();
            ui.answerOpen(curve2);
            view.loadCurve2();
            for (qsizetype zone = 0; zone < percents.size(); ++zone) {
                view.zoneSlider(static_cast<BlendZone>(zone))->setValue(percents[zone]);
            }
        });
}

}  // namespace

class CurveBlendingViewTest : public QObject, ViewFixture<CurveBlendingViewController> {
    Q_OBJECT

private slots:
    void init() { QVERIFY(setUp()); }
    void cleanup() { QVERIFY(scriptFinished()); }

    void slidersReachTheBlendAndBothGraphs() {
        // Before any curve only the read-outs and the share graph follow.
        view->zoneSlider(BlendZone::mids)->setValue(40);
        QCOMPARE(view->tool().curve1Share(BlendZone::mids), 0.4);
        QCOMPARE(view->zoneReadout(BlendZone::mids)->text(), QStringLiteral("40 % : 60 %"));
        QCOMPARE(view->shareChart()->zoneSeries()->at(2), QPointF(50.0, 40.0));
        QCOMPARE(view->shareChart()->shareSeries()->at(128).y(),
                 view->tool().curve1ShareCurve()[128] * 100.0);
        QVERIFY(view->inkChart()->isShowingPlaceholder());
        QVERIFY(!view->canSave() && !view->saveRow()->saveButton()->isEnabled());
        QVERIFY(!view->hasUnsavedResult());

        // A new curve 2 shows itself; a slider move shows the blend.
        openWith(glossyFile, view->curveBox(BlendCurve::curve1)->loadButton());
        openWith(warmFile, view->curveBox(BlendCurve::curve2)->loadButton());
        QCOMPARE(view->documentNames(),
                 (QStringList{"GlossyNeutral8Crlf.quad", "WarmBaryta8.quad"}));
        QVERIFY(view->showButton(BlendCurve::curve2)->isChecked());
        QVERIFY(drawsInkValues(view->inkChart()->curveSeries().at(0),
                               view->tool().curve2()->curve()[0]));
        QVERIFY(view->hasUnsavedResult());

        view->zoneSlider(BlendZone::darks)->setValue(10);
        QCOMPARE(view->tool().curve1Share(BlendZone::darks), 0.1);
        QVERIFY(view->showButton(BlendCurve::blend)->isChecked());
        for (qsizetype channel : {0, 6}) {
            QVERIFY(drawsInkValues(view->inkChart()->curveSeries().at(channel),
                                   view->tool().blendedCurve()[std::size_t(channel)]));
        }

        // The graph choice and the channel toggles.
        view->showButton(BlendCurve::curve1)->click();
        QVERIFY(drawsInkValues(view->inkChart()->curveSeries().at(6),
                               view->tool().curve1()->curve()[6]));
        view->curveBox(BlendCurve::curve1)->channelToggle(6)->click();
        QVERIFY(!view->inkChart()->curveSeries().at(6)->isVisible());
        QVERIFY(view->inkChart()->curveSeries().at(0)->isVisible());
    }

    // Two files at once are curve 1 and curve 2; one more replaces curve 2.
    void filesGoToCurve1ThenCurve2() {
        view->openFilesAt({warmFile, glossyFile});
        QCOMPARE(view->tool().curve1()->fileName(), std::string("WarmBaryta8.quad"));
        QCOMPARE(view->tool().curve2()->fileName(), std::string("GlossyNeutral8Crlf.quad"));
        view->openFileAt(sixChannelFile);
        QCOMPARE(view->tool().curve2()->fileName(), std::string("Matte6Crlf.quad"));
    }

    void differentChannelCountsAlertOnLoadAndOnSave() {
        openWith(warmFile, &CurveBlendingViewController::openFile);
        ui->answerOpen(sixChannelFile);
        view->loadCurve2Action()->trigger();
        QCOMPARE(ui->alerts.size(), 1u);
        QVERIFY(view->curveBox(BlendCurve::curve2)->fileLabel()->text().startsWith("Matte6Crlf"));
        QVERIFY(view->showButton(BlendCurve::curve2)->isChecked());
        QVERIFY(!view->showButton(BlendCurve::blend)->isEnabled());
        QVERIFY(!view->hasUnsavedResult());

        // Save says so again before any dialog.
        QVERIFY(view->saveRow()->saveButton()->isEnabled());
        view->saveRow()->saveButton()->click();
        QCOMPARE(ui->alerts.size(), 2u);
        QVERIFY(ui->saveRequests.empty());
        QVERIFY(view->tool().blendedCurve().empty());
    }

    void saveRunsTheDialogsAndMarksTheResultSaved() {
        view->openFilesAt({glossyFile, warmFile});
        view->zoneSlider(BlendZone::whites)->setValue(0);
        ui->answerSave(folder.filePath("blend"));
        view->saveRow()->saveButton()->click();
        QCOMPARE(ui->saveRequests.back().suggestion,
                 testDataPath("CurveTools/GlossyNeutral8Crlf-blend.quad"));
        QVERIFY(QFile::exists(folder.filePath("blend.quad")));
        QVERIFY(!view->hasUnsavedResult());
        QVERIFY(ui->alerts.empty());
    }

    void refusedFileLeavesTheViewAsItWas() {
        view->openFileAt(warmFile);
        const QStringList shown = shownBy(*view);
        view->openFileAt(testDataPath("CurveTools/DivZeroExport.quad"));
        QCOMPARE(ui->alerts.size(), 1u);
        QVERIFY(!view->tool().curve2());
        QCOMPARE(shownBy(*view), shown);
        QCOMPARE(view->documentNames(), QStringList{"WarmBaryta8.quad"});
        QVERIFY(view->showButton(BlendCurve::curve1)->isChecked());
    }

    void cliWritesWhatTheViewSaves() {
        const QString differences = compareCliWithView({
            // The same blend the core's save test writes.
            blend(glossyFile, warmFile, {100, 80, 50, 20, 0}, "blend-glossy-warm.quad"),
            // All of curve 2 under curve 1's header.
            blend(warmFile, glossyFile, {0, 0, 0, 0, 0}, "blend-warm-all-glossy.quad"),
            // Six channels, a Latin-1 note and no final line feed.
            blend(testDataPath("CurveTools/MatteCool6.quad"), sixChannelFile, {30, 100, 0, 100, 45},
                  "blend-six-channels.quad"),
            blend(warmFile, glossyFile, {100, 60, 40, 60, 100}, "blend-gutenprint.quad", true),
        });
        QVERIFY2(differences.isEmpty(), qPrintable(differences));
    }
};

QTEST_MAIN(CurveBlendingViewTest)
#include "CurveBlendingViewTest.moc"
