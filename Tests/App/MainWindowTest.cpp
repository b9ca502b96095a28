#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QUrl>

#include "App/CurveFileBox.h"
#include "App/FeedbackDialog.h"
#include "App/LinearizationViewController.h"
#include "App/MainWindow.h"
#include "App/QuadLevelsViewController.h"
#include "App/ToolView.h"
#include "ViewSupport/ScriptedUiServices.h"
#include "ViewSupport/TestFiles.h"

using sg::MainWindow;
using sg::UnsavedResultAnswer;
using namespace sg::testing;

namespace {

const QString wedge = examplePath("wedge-21-steps.txt");
const QString curve = examplePath("example-curve.quad");
const QString warmFile = testDataPath("CurveTools/WarmBaryta8.quad");

// A stand-in for the tools still to come: records what the window asks of it.
class FakeTool : public sg::ToolView {
public:
    FakeTool(sg::UiServices& ui, QString title) : ToolView(ui), title_(std::move(title)) {}
    QString toolTitle() const override { return title_; }
    QStringList documentNames() const override { return {}; }
    void openFile() override { ++opens; }
    void saveFile() override { ++saves; }
    bool canSave() const override { return true; }
    bool takesFile(const QString&) const override { return false; }
    void openFileAt(const QString&) override {}

    int opens = 0;
    int saves = 0;

private:
    QString title_;
};

QStringList tabTitles(const QTabWidget* tabs) {
    QStringList titles;
    for (int index = 0; index < tabs->count(); ++index) {
        titles << tabs->tabText(index);
    }
    return titles;
}

QStringList actionTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            texts << action->text();
        }
    }
    return texts;
}

auto* linearization(MainWindow& window) {
    window.showTool(QStringLiteral("Linearization"));
    return static_cast<sg::LinearizationViewController*>(window.currentTool());
}

auto* quadLevels(MainWindow& window) {
    window.showTool(QStringLiteral("Quad Levels"));
    return static_cast<sg::QuadLevelsViewController*>(window.currentTool());
}

// Sends a drag-enter and, when it was accepted, a drop; returns whether the window took it.
bool dropFiles(MainWindow& window, const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths) {
        urls << QUrl::fromLocalFile(path);
    }
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &drop);
    return drop.isAccepted();
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    TemporarySettings* settings = nullptr;
    TestFolder folder;

private slots:
    void initTestCase() { settings = new TemporarySettings; }
    void cleanupTestCase() { delete settings; }
    void init() {
        settings->clear();
        QVERIFY(folder.reset());
    }

    void toolsTakeTheirPlaceAndFitASmallScreen() {
        ScriptedUiServices ui;
        MainWindow window(ui);
        QVERIFY(window.minimumSizeHint().width() < 1000);
        QVERIFY(window.minimumSizeHint().height() <= 700);
        QVERIFY(!window.windowIcon().isNull());
        window.addTool(new FakeTool(ui, QStringLiteral("Something New")));
        QCOMPARE(tabTitles(window.tabs()),
                 (QStringList{"Starter Curve", "Linearization", "Manual Curve Creation",
                              "Automatic Curve Creation", "Curve Blending", "Quad Levels",
                              "Curve Editor", "Something New"}));
    }

    void menusReachTheCurrentTool() {
        ScriptedUiServices ui;
        MainWindow window(ui);
        QMenu* file = window.fileMenu();
        linearization(window);
        QCOMPARE(actionTexts(file), (QStringList{"&Open...", "Open &Recent",
                                                 "Load &Measurements...", "&Save...", "&Quit"}));
        quadLevels(window);
        QCOMPARE(actionTexts(file),
                 (QStringList{"&Open...", "Open &Recent", "Export &Gutenprint XML...", "&Save...",
                              "&Quit"}));
        QVERIFY(!window.saveAction()->isEnabled());
        QVERIFY(!window.editMenu()->menuAction()->isVisible());
        window.showTool(QStringLiteral("Curve Editor"));
        QCOMPARE(actionTexts(window.editMenu()), (QStringList{"&Undo", "&Redo"}));
        QVERIFY(window.editMenu()->menuAction()->isVisible());
        quadLevels(window);
        ui.answerOpen(warmFile);
        window.openAction()->trigger();
        QVERIFY(window.saveAction()->isEnabled());

        auto* tool = new FakeTool(ui, QStringLiteral("Curve Editor"));
        window.addTool(tool);
        window.tabs()->setCurrentWidget(tool);
        window.openAction()->trigger();
        window.saveAction()->trigger();
        QCOMPARE(tool->opens, 1);
        QCOMPARE(tool->saves, 1);
        QVERIFY(ui.scriptFinished());
    }

    void titleAndMarkFollowLoadChangeAndSave() {
        ScriptedUiServices ui;
        MainWindow window(ui);
        auto* view = linearization(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Linearization[*] \u2013 Silvergrain"));
        view->openFileAt(wedge);
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("wedge-21-steps.txt[*] \u2013 Linearization \u2013 Silvergrain"));
        QVERIFY(!window.isWindowModified());
        view->openFileAt(curve);
        QCOMPARE(window.windowTitle(), QStringLiteral("example-curve.quad, wedge-21-steps.txt[*] "
                                                      "\u2013 Linearization \u2013 Silvergrain"));
        QVERIFY(window.isWindowModified());

        ui.answerSave(folder.filePath("saved.quad"));
        window.saveAction()->trigger();
        QVERIFY(!window.isWindowModified());
        QCOMPARE(window.statusBar()->currentMessage(),
                 "Saved saved.quad to " + QFileInfo(folder.path()).fileName() + "/");
        view->averagingWindowBox()->setValue(6);
        QVERIFY(window.isWindowModified());

        // Another tool's title has no mark of its own.
        quadLevels(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Quad Levels[*] \u2013 Silvergrain"));
        QVERIFY(!window.isWindowModified());
        QVERIFY(ui.scriptFinished());
    }

    void closingWithAnUnsavedResultAsks() {
        ScriptedUiServices ui;
        MainWindow window(ui);
        auto* view = linearization(window);
        view->openFilesAt({wedge, curve});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        quadLevels(window);

        ui.answerUnsaved(UnsavedResultAnswer::cancel);
        QVERIFY(!window.close());
        QCOMPARE(window.currentTool(), view);  // the question shows its tool
        QCOMPARE(ui.unsavedQuestions.back(),
                 QStringLiteral("the Linearization result for example-curve.quad, "
                                "wedge-21-steps.txt"));
        // Save, then cancel the save dialog: still open.
        ui.answerUnsaved(UnsavedResultAnswer::save);
        ui.cancelSave();
        QVERIFY(!window.close());
        ui.answerUnsaved(UnsavedResultAnswer::save);
        ui.answerSave(folder.filePath("kept.quad"));
        QVERIFY(window.close());
        QVERIFY(QFile::exists(folder.filePath("kept.quad")));

        MainWindow second(ui);
        linearization(second)->openFilesAt({wedge, curve});
        second.show();
        ui.answerUnsaved(UnsavedResultAnswer::discard);
        QVERIFY(second.close());
        QVERIFY(ui.scriptFinished());
    }

    void commandLineAndDroppedFilesReachTheToolAsTheOpenDialogWould() {
        ScriptedUiServices ui;
        MainWindow byDialog(ui);
        auto* dialogView = linearization(byDialog);
        ui.answerOpen(wedge);
        dialogView->loadMeasurements();
        ui.answerOpen(curve);
        dialogView->loadCurve();

        MainWindow byCommandLine(ui);
        quadLevels(byCommandLine);
        // Relative names as typed in a shell, the curve first; the tool that takes them all
        // becomes current and loads the measurements first, so the curve waits for nothing.
        QDir::setCurrent(QStringLiteral(SILVERGRAIN_EXAMPLES_DIR));
        byCommandLine.openFiles({"example-curve.quad", "wedge-21-steps.txt"});
        QCOMPARE(byCommandLine.currentTool()->toolTitle(), QStringLiteral("Linearization"));
        auto* view = static_cast<sg::LinearizationViewController*>(byCommandLine.currentTool());
        QCOMPARE(view->documentNames(), dialogView->documentNames());
        QCOMPARE(view->tool().linearizedCurve(), dialogView->tool().linearizedCurve());
        QCOMPARE(view->curveBox()->filePath(), curve);

        // A curve alone stays with the current tool that takes it.
        quadLevels(byCommandLine);
        byCommandLine.openFiles({warmFile});
        QCOMPARE(byCommandLine.currentTool()->toolTitle(), QStringLiteral("Quad Levels"));
        QCOMPARE(byCommandLine.currentTool()->documentNames(), QStringList{"WarmBaryta8.quad"});

        // A drop goes where the command line's files go, if one tool takes them all.
        QVERIFY(!dropFiles(byCommandLine, {warmFile, "/a/print.pdf"}));
        QVERIFY(dropFiles(byCommandLine, {warmFile, wedge}));
        QCOMPARE(byCommandLine.currentTool()->documentNames(),
                 (QStringList{"WarmBaryta8.quad", "wedge-21-steps.txt"}));
        QVERIFY(ui.alerts.empty());

        byCommandLine.openFiles({"/a/print.pdf"});
        QCOMPARE(ui.alerts.size(), 1u);
        QCOMPARE(ui.alerts.back().title, std::string("Cannot Open File"));
        QVERIFY(ui.scriptFinished());
    }

    void recentFilesAndTheToolSurviveARestart() {
        QVERIFY(QFile::copy(warmFile, folder.filePath("warm.quad")));
        {
            ScriptedUiServices ui;
            MainWindow window(ui);
            window.openFiles({wedge});
            window.openFiles({curve});
            quadLevels(window)->openFileAt(folder.filePath("warm.quad"));
            ui.answerUnsaved(UnsavedResultAnswer::discard);
            QVERIFY(window.close());
        }
        ScriptedUiServices ui;
        MainWindow restarted(ui);
        QCOMPARE(restarted.currentTool()->toolTitle(), QStringLiteral("Quad Levels"));
        QMenu* recent = restarted.recentFilesMenu();
        emit recent->aboutToShow();
        QCOMPARE(actionTexts(recent), (QStringList{"&1 warm.quad", "&2 example-curve.quad",
                                                   "&3 wedge-21-steps.txt", "&Clear Menu"}));
        // A file that went away leaves the list; an entry opens its file in a tool that takes it.
        QVERIFY(QFile::remove(folder.filePath("warm.quad")));
        emit recent->aboutToShow();
        QCOMPARE(recent->actions().first()->data().toString(), curve);
        recent->actions().at(1)->trigger();
        QCOMPARE(restarted.currentTool()->toolTitle(), QStringLiteral("Linearization"));
        QCOMPARE(restarted.currentTool()->documentNames(), QStringList{"wedge-21-steps.txt"});

        sg::AppSettings stored;
        for (int copy = 0; copy < 10; ++copy) {
            const QString path = folder.filePath(QStringLiteral("%1.quad").arg(copy));
            QVERIFY(QFile::copy(warmFile, path));
            stored.addRecentFile(path);
        }
        QCOMPARE(stored.recentFiles().size(), sg::AppSettings::recentFileLimit);
        QCOMPARE(stored.recentFiles().first(), folder.filePath("9.quad"));
        QVERIFY(ui.scriptFinished());
    }

    void feedbackShowsTheLastRefusalAndCopiesAReport() {
        ScriptedUiServices ui;
        MainWindow window(ui);
        linearization(window)->openFileAt(testDataPath("LinearizationView/not-a-measurement.txt"));
        QVERIFY(window.lastRefusal().has_value());
        sg::FeedbackDialog dialog(window.lastRefusal());
        const QString report = dialog.findChild<QPlainTextEdit*>("feedbackReport")->toPlainText();
        QVERIFY(report.startsWith(sg::FeedbackDialog::systemSummary() +
                                  "\n\nRefused file: not-a-measurement.txt\nFailed to Load "
                                  "Measurement Data\nPlease check"));
        QVERIFY(dialog.findChild<QLabel*>("lastRefusal")->text().contains("not-a-measurement.txt"));
        QApplication::clipboard()->clear();
        dialog.findChild<QPushButton*>("copyReportButton")->click();
        QCOMPARE(QApplication::clipboard()->text(), report);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
