#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "App/CurveFileBox.h"
#include "App/InkCurveChart.h"
#include "App/QuadLevelsViewController.h"
#include "App/RangeSlider.h"
#include "App/SaveRow.h"
#include "ViewSupport/ViewFixture.h"

using sg::QuadLevelsViewController;
using namespace sg::testing;

const QString warmFile = testDataPath("CurveTools/WarmBaryta8.quad");

class QuadLevelsViewTest : public QObject, ViewFixture<QuadLevelsViewController> {
    Q_OBJECT

    void load(const QString& path) {
        ui->answerOpen(path);
        view->curveBox()->loadButton()->click();
    }

private slots:
    void init() { QVERIFY(setUp()); }
    void cleanup() { QVERIFY(scriptFinished()); }

    void beforeALoadTheRampShowsAndNothingSaves() {
        QCOMPARE(view->inkChart()->curveSeries().size(), 8);
        QVERIFY(view->inkChart()->curveSeries().at(0)->isVisible());
        QVERIFY(!view->inkChart()->curveSeries().at(1)->isVisible());
        QVERIFY(!view->canSave() && !view->saveRow()->saveButton()->isEnabled());
        QVERIFY(!view->exportXmlAction()->isEnabled());
        view->saveTrimmedCurve();
        view->exportGutenprintXml();
        QVERIFY(ui->saveRequests.empty() && ui->folderRequests.empty());
    }

    void selectionReachesTheToolAndTheReadoutsAgree() {
        load(warmFile);
        QCOMPARE(ui->openRequests.back().kind, sg::FileKind::curve);
        QCOMPARE(view->documentNames(), QStringList{"WarmBaryta8.quad"});
        QVERIFY(!view->hasUnsavedResult());

        view->rangeSlider()->setSelection({0.2, 0.5});
        QVERIFY(view->hasUnsavedResult());
        QCOMPARE(view->startLabel()->text(), QStringLiteral("Start: level 51"));
        QCOMPARE(view->endLabel()->text(), QStringLiteral("End: level 128"));
        QCOMPARE(view->stretchLabel()->text(),
                 QStringLiteral("Input levels 51 to 128 stretched over 0 to 255"));
        view->asPercentCheck()->setChecked(true);
        QCOMPARE(view->startLabel()->text(), QStringLiteral("Start: 20.0 %"));
        QCOMPARE(view->endLabel()->text(), QStringLiteral("End: 50.2 %"));
        QCOMPARE(view->stretchLabel()->text(),
                 QStringLiteral("20.0 % to 50.2 % of the input stretched over 0 to 100 %"));
        QVERIFY(
            drawsInkValues(view->inkChart()->curveSeries().at(6), view->tool().trimmedCurve()[6]));
    }

    void saveAndExportReachTheTool() {
        load(warmFile);
        view->rangeSlider()->setSelection({0.6, 1.0});
        view->zeroFirstCheck()->setChecked(true);
        QVERIFY(view->tool().trimmedCurve()[0][0] > 0.0);
        ui->answerSave(folder.filePath("trimmed"));
        view->saveRow()->saveButton()->click();
        QCOMPARE(ui->saveRequests.back().suggestion,
                 testDataPath("CurveTools/WarmBaryta8-levels.quad"));
        QVERIFY(bytesOf(folder.filePath("trimmed.quad")).contains("\n# K Curve\n0\n"));
        QCOMPARE(view->tool().trimmedCurve()[0][0], 0.0);
        QCOMPARE(view->inkChart()->curveSeries().at(0)->at(0).y(), 0.0);
        QVERIFY(!view->hasUnsavedResult());

        QSignalSpy status(view, &sg::ToolView::statusMessage);
        const QString paper = folder.filePath("Baryta 300");
        QVERIFY(QDir().mkpath(paper));
        ui->answerFolder(paper);
        view->exportXmlAction()->trigger();
        QCOMPARE(QDir(paper).entryList(QDir::Files).size(), 8);
        QCOMPARE(status.first().at(0).toString(),
                 QStringLiteral("Saved 8 Gutenprint curves to Baryta 300/"));
        QVERIFY(ui->alerts.empty());
    }

    // Tab runs down the column, then to the range under the graph, where the arrow keys move
    // the start one level at a time.
    void keyboardFollowsTheLayout() {
        load(warmFile);
        view->show();
        QVERIFY(QTest::qWaitForWindowActive(view));
        view->curveBox()->loadButton()->setFocus();
        QList<QWidget*> stops{QApplication::focusWidget()};
        while (stops.size() < 20) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == stops.first()) {
                break;
            }
            stops << QApplication::focusWidget();
        }
        const QList<QWidget*> expected{view->asPercentCheck(), view->zeroFirstCheck(),
                                       view->saveRow()->exportXmlCheck(),
                                       view->saveRow()->saveButton(), view->rangeSlider()};
        QCOMPARE(stops.mid(stops.size() - expected.size()), expected);
        QCOMPARE(stops.at(1), view->curveBox()->channelToggle(0));

        QTest::keyClick(view->rangeSlider(), Qt::Key_Right);
        QCOMPARE(view->tool().lowLevel(), 1);
        QCOMPARE(view->startLabel()->text(), QStringLiteral("Start: level 1"));
    }

    void refusedFileLeavesTheViewAsItWas() {
        load(warmFile);
        view->rangeSlider()->setSelection({0.2, 0.8});
        const QStringList shown = shownBy(*view);

        load(testDataPath("CurveTools/DivZeroExport.quad"));
        QCOMPARE(ui->alerts.size(), 1u);
        QCOMPARE(shownBy(*view), shown);
        QCOMPARE(view->documentNames(), QStringList{"WarmBaryta8.quad"});
        QVERIFY(view->canSave());
    }
};

QTEST_MAIN(QuadLevelsViewTest)
#include "QuadLevelsViewTest.moc"
