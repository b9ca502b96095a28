#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTest>

#include "App/CurveFileBox.h"
#include "App/InkCurveChart.h"
#include "App/QuadLevelsViewController.h"
#include "App/RangeSlider.h"
#include "App/SaveRow.h"
#include "ViewSupport/CliComparison.h"
#include "ViewSupport/CliRun.h"
#include "ViewSupport/ViewFixture.h"

using sg::QuadLevelsViewController;
using namespace sg::testing;

const QString warmFile = testDataPath("CurveTools/WarmBaryta8.quad");

namespace {

struct Levels {
    QString input;
    double start;
    double end;
    bool zeroFirst;
};

ComparisonRow row(const Levels& levels, const char* golden, bool gutenprint = false) {
    QStringList arguments{"levels",  levels.input,
                          "--start", QString::number(levels.start),
                          "--end",   QString::number(levels.end)};
    if (levels.zeroFirst) {
        arguments << "--zero-first";
    }
    return viewRow<QuadLevelsViewController>(
        arguments, golden, gutenprint, [levels](auto& ui, auto& view) {
            ui.answerOpen(levels.input);
            view.loadCurve();
            view.rangeSlider()->setSelection({levels.start, levels.end});
            view.zeroFirstCheck()->setChecked(levels.zeroFirst);
        });
}

}  // namespace

class QuadLevelsViewTest : public QObject, ViewFixture<QuadLevelsViewController> {
    Q_OBJECT

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
        openWith(warmFile, view->curveBox()->loadButton());
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
        openWith(warmFile, view->curveBox()->loadButton());
        view->rangeSlider()->setSelection({0.6, 1.0});
        view->zeroFirstCheck()->setChecked(true);
        QVERIFY(view->tool().trimmedCurve()[0][0] > 0.0);
        ui->answerSave(folder.filePath("trimmed"));
        view->saveRow()->saveButton()->click();
        QCOMPARE(ui->saveRequests.back().suggestion,
                 testDataPath("CurveTools/WarmBaryta8-levels.quad"));
        QCOMPARE(view->inkChart()->curveSeries().at(0)->at(0).y(), 0.0);
        QVERIFY(!view->hasUnsavedResult());

        const QString paper = folder.filePath("Baryta 300");
        QVERIFY(QDir().mkpath(paper));
        ui->answerFolder(paper);
        view->exportXmlAction()->trigger();
        QCOMPARE(QDir(paper).entryList(QDir::Files).size(), 8);
        QVERIFY(ui->alerts.empty());
    }

    // Tab runs down the column, then to the range under the graph.
    void keyboardFollowsTheLayout() {
        openWith(warmFile, view->curveBox()->loadButton());
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
    }

    void refusedFileLeavesTheViewAsItWas() {
        openWith(warmFile, view->curveBox()->loadButton());
        view->rangeSlider()->setSelection({0.2, 0.8});
        const QStringList shown = shownBy(*view);

        openWith(testDataPath("CurveTools/DivZeroExport.quad"), view->curveBox()->loadButton());
        QCOMPARE(ui->alerts.size(), 1u);
        QCOMPARE(shownBy(*view), shown);
        QCOMPARE(view->documentNames(), QStringList{"WarmBaryta8.quad"});
        QVERIFY(view->canSave());
    }

    void cliWritesWhatTheViewSaves() {
        const QString differences = compareCliWithView({
            row({warmFile, 0.0, 1.0, false}, "levels-full-range.quad"),
            row({warmFile, 0.35, 0.9, true}, "levels-trimmed-zero-first.quad"),
            row({testDataPath("CurveTools/Matte6Crlf.quad"), 0.1, 0.75, true},
                "levels-crlf-six-channels.quad"),
            // The export follows the zeroing save, so it carries the zeroed first values too.
            row({warmFile, 0.3, 0.7, true}, "levels-gutenprint.quad", true),
        });
        QVERIFY2(differences.isEmpty(), qPrintable(differences));
    }

    void refusalsExitWith1AndUsageErrorsWith2() {
        const QString broken = testDataPath("CurveTools/DivZeroExport.quad");
        struct Call {
            QStringList arguments;
            int exitCode;
            QByteArray errorStart;
        };
        const QList<Call> calls{
            {{broken, "--start", "0", "--end", "1"},
             1,
             broken.toUtf8() + ": Failed to Load Quad File: "},
            {{warmFile, "--start", "0", "--end", "1", "--gutenprint",
              folder.filePath("no such folder")},
             1,
             "Failed to Export Gutenprint XML: "},
            {{warmFile, "--start", "0.6", "--end", "0.5"}, 2, ""},
            {{warmFile, "--start", "0", "--end", "nan"}, 2, ""},
            {{warmFile, "--start", "0"}, 2, ""},
        };
        for (const Call& call : calls) {
            const CliRun run = runCli(QStringList{"levels"} + call.arguments +
                                      QStringList{"--output", folder.filePath("out.quad")});
            QVERIFY2(run.exitCode == call.exitCode, qPrintable(call.arguments.join(' ')));
            QVERIFY(run.out.isEmpty());
            QVERIFY(run.err.startsWith(call.errorStart) && !run.err.isEmpty());
        }
        QVERIFY(QDir(folder.path()).isEmpty());
    }
};

QTEST_MAIN(QuadLevelsViewTest)
#include "QuadLevelsViewTest.moc"
