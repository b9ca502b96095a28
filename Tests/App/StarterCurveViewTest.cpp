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

        const QString paper = folder.filePath("Baryta 300");
        QVERIFY(QDir().mkpath(paper));
        QVERIFY(saveThroughRow(*ui, *view->saveRow(), folder.filePath("warm"), paper,
                               [this] { view->saveFile(); }));
        QCOMPARE(QDir(paper).entryList(QDir::Files).size(), 8);

        // Unsaved while the curve differs from the one saved.
        QVERIFY(!view->hasUnsavedResult());
        view->boostSlider()->setValue(10);
        QVERIFY(view->hasUnsavedResult());
        view->boostSlider()->setValue(0);
        QVERIFY(!view->hasUnsavedResult());
    }
};

QTEST_MAIN(StarterCurveViewTest)
#include "StarterCurveViewTest.moc"
