#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QFile>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "App/FeedbackDialog.h"
#include "App/InkCurveChart.h"
#include "App/LinearizationMeasurementChart.h"
#include "App/LinearizationViewController.h"
#include "App/MainWindow.h"
#include "App/QuadLevelsViewController.h"
#include "App/ToolView.h"
#include "Common/Version.h"
#include "ViewSupport/ScriptedUiServices.h"

using sg::MainWindow;
using sg::testing::ScriptedUiServices;

namespace {

// A stand-in for the tools still to come: records what the window asks of it.
class FakeTool : public sg::ToolView {
public:
    explicit FakeTool(QString title) : title_(std::move(title)) {}
    QString toolTitle() const override { return title_; }
    void openFile() override { ++opens; }
    void saveFile() override { ++saves; }
    bool canSave() const override { return saveable; }
    bool takesDroppedFile(const QString& path) const override { return path.endsWith(".txt"); }
    void openDroppedFile(const QString& path) override { dropped << path; }
    void setSaveable(bool value) {
        saveable = value;
        emit saveAvailabilityChanged();
    }

    int opens = 0;
    int saves = 0;
    bool saveable = false;
    QStringList dropped;

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

// Sends a drag-enter and, when it was accepted, a drop of one local file; returns whether
// the window accepted the drag.
bool dropFile(MainWindow& window, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &drop);
    return drop.isAccepted();
}

// In the fixed tool order, titles outside it last.
bool inToolOrder(const QStringList& titles) {
    const auto rank = [](const QString& title) {
        const qsizetype index = MainWindow::toolOrder().indexOf(title);
        return index < 0 ? MainWindow::toolOrder().size() : index;
    };
    return std::is_sorted(titles.begin(), titles.end(),
                          [&](const QString& a, const QString& b) { return rank(a) < rank(b); });
}

sg::ToolView* showTool(MainWindow& window, const QString& title) {
    for (int index = 0; index < window.tabs()->count(); ++index) {
        if (window.tabs()->tabText(index) == title) {
            window.tabs()->setCurrentIndex(index);
        }
    }
    return window.currentTool();
}

sg::ToolView* showQuadLevels(MainWindow& window) {
    return showTool(window, QStringLiteral("Quad Levels"));
}

auto* showLinearization(MainWindow& window) {
    return static_cast<sg::LinearizationViewController*>(
        showTool(window, QStringLiteral("Linearization")));
}

// The label texts the chart's legend draws, which the legend shortens when they do not fit.
QStringList legendTexts(const QChart* chart) {
    QStringList texts;
    QList<QGraphicsItem*> items = chart->legend()->childItems();
    while (!items.isEmpty()) {
        QGraphicsItem* item = items.takeFirst();
        if (!item->isVisible()) {
            continue;
        }
        if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item)) {
            texts << text->toPlainText();
        }
        items << item->childItems();
    }
    return texts;
}

QStringList seriesNames(const QChart* chart) {
    QStringList names;
    for (const QAbstractSeries* series : chart->series()) {
        if (!series->name().isEmpty()) {
            names << series->name();
        }
    }
    return names;
}

// A curve file for all ten channels of the largest ink set.
bool writeTenChannelCurve(const QString& path) {
    QByteArray text = "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,OR,GR";
    for (const char* ink : {"K", "C", "M", "Y", "LC", "LM", "LK", "LLK", "OR", "GR"}) {
        text += QByteArray("\n# ") + ink + " Curve";
        for (int level = 0; level < 256; ++level) {
            text += "\n" + QByteArray::number(level * 100);
        }
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

const QString warmFile = QStringLiteral(SILVERGRAIN_TEST_DATA_DIR "/CurveTools/WarmBaryta8.quad");

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void toolsTakeTheirPlaceAndTheWindowFitsTheScreen() {
        ScriptedUiServices ui;
        MainWindow window(ui);
        const QStringList hosted = tabTitles(window.tabs());
        QVERIFY(hosted.contains(QStringLiteral("Quad Levels")));
        QVERIFY(window.minimumSizeHint().width() <= 1280);
        QVERIFY(window.minimumSizeHint().height() <= 800);
        QVERIFY(window.width() <= 1280 && window.height() <= 800);

        const QStringList added{"Curve Editor", "Something New", "Starter Curve", "Curve Blending"};
        for (const QString& title : added) {
            window.addTool(new FakeTool(title));
        }
        const QStringList titles = tabTitles(window.tabs());
        QCOMPARE(titles.size(), hosted.size() + added.size());
        QVERIFY2(inToolOrder(titles), qPrintable(titles.join(", ")));
        QCOMPARE(titles.first(), QStringLiteral("Starter Curve"));
        QCOMPARE(titles.last(), QStringLiteral("Something New"));
        QVERIFY(ui.scriptFinished());
    }

    void menusReachTheCurrentTool() {
        ScriptedUiServices ui;
        MainWindow window(ui);
        const QList<QMenu*> menus = window.menuBar()->findChildren<QMenu*>();
        QCOMPARE(menus.size(), 2);
        QCOMPARE(actionTexts(menus[1]), (QStringList{"Send &Feedback...", "&About Silvergrain"}));
        QCOMPARE(window.openAction()->shortcut(), QKeySequence(QKeySequence::Open));
        QCOMPARE(window.saveAction()->shortcut(), QKeySequence(QKeySequence::Save));
        QCOMPARE(menus[0]->actions().last()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));

        // Quad Levels: nothing to save until a file is loaded through File > Open.
        QCOMPARE(showQuadLevels(window)->toolTitle(), QStringLiteral("Quad Levels"));
        QCOMPARE(actionTexts(menus[0]), (QStringList{"&Open...", "&Save...", "&Quit"}));
        QVERIFY(!window.saveAction()->isEnabled());
        ui.answerOpen(warmFile);
        window.openAction()->trigger();
        QVERIFY(ui.alerts.empty());
        QVERIFY(window.saveAction()->isEnabled());
        ui.cancelSave();
        window.saveAction()->trigger();
        QCOMPARE(ui.saveRequests.size(), std::size_t(1));

        auto* tool = new FakeTool(QStringLiteral("Curve Editor"));
        window.addTool(tool);
        window.tabs()->setCurrentWidget(tool);
        QVERIFY(!window.saveAction()->isEnabled());
        tool->setSaveable(true);
        QVERIFY(window.saveAction()->isEnabled());
        window.openAction()->trigger();
        window.saveAction()->trigger();
        QCOMPARE(tool->opens, 1);
        QCOMPARE(tool->saves, 1);
        QVERIFY(ui.scriptFinished());
    }

    void fileMenuOffersTheCurrentToolsOtherOpen() {
        ScriptedUiServices ui;
        MainWindow window(ui);
        QMenu* fileMenu = window.menuBar()->findChildren<QMenu*>().at(0);
        window.resize(1280, 800);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        // The Linearization tab is current at start, and its measurement loader is listed.
        sg::LinearizationViewController* linearization = showLinearization(window);
        QCOMPARE(window.tabs()->currentIndex(), 0);
        QCOMPARE(actionTexts(fileMenu),
                 (QStringList{"&Open...", "Load &Measurements...", "&Save...", "&Quit"}));
        QAction* loadMeasurements = fileMenu->actions().at(1);
        QCOMPARE(loadMeasurements->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));

        ui.cancelOpen();
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
        ui.cancelOpen();
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        ui.answerOpen(
            QStringLiteral(SILVERGRAIN_TEST_DATA_DIR "/../../examples/wedge-21-steps.txt"));
        loadMeasurements->trigger();
        QCOMPARE(ui.openRequests.size(), std::size_t(3));
        QCOMPARE(ui.openRequests[0].fileTypes, QStringList{"quad"});
        QCOMPARE(ui.openRequests[1].fileTypes, (QStringList{"txt", "csv"}));
        QCOMPARE(ui.openRequests[2].fileTypes, (QStringList{"txt", "csv"}));
        QCOMPARE(linearization->measurementFileLabel()->text(),
                 QStringLiteral("wedge-21-steps.txt"));

        // Another tool: neither the entry nor its shortcut.
        showQuadLevels(window);
        QCOMPARE(actionTexts(fileMenu), (QStringList{"&Open...", "&Save...", "&Quit"}));
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(ui.openRequests.size(), std::size_t(3));

        // Back again, and Save follows the tab's state.
        showLinearization(window);
        QCOMPARE(actionTexts(fileMenu).size(), 4);
        QVERIFY(!window.saveAction()->isEnabled());
        linearization->openDroppedFile(warmFile);
        QVERIFY(window.saveAction()->isEnabled());
        QVERIFY(ui.scriptFinished());
    }

    void atTheSmallestWindowEveryLegendLabelShowsInFull() {
        QTemporaryDir folder;
        const QString tenChannels = folder.filePath(QStringLiteral("ten.quad"));
        QVERIFY(writeTenChannelCurve(tenChannels));
        ScriptedUiServices ui;
        MainWindow window(ui);
        window.resize(1280, 800);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        sg::LinearizationViewController* linearization = showLinearization(window);
        linearization->openDroppedFile(
            QStringLiteral(SILVERGRAIN_TEST_DATA_DIR "/../../examples/wedge-21-steps.txt"));
        const QChart* measurements = linearization->measurementChart()->chart();
        const QChart* inks = linearization->inkChart()->chart();
        for (const QString& curve : {warmFile, tenChannels}) {
            linearization->openDroppedFile(curve);
            QVERIFY(ui.alerts.empty());
            QCoreApplication::processEvents();
            QCOMPARE(legendTexts(measurements), seriesNames(measurements));
            QCOMPARE(legendTexts(inks), seriesNames(inks));
        }
        QCOMPARE(legendTexts(inks).size(), 10);
        // The two graphs side by side keep their plot areas level.
        QCOMPARE(measurements->plotArea().top(), inks->plotArea().top());
        QCOMPARE(measurements->plotArea().bottom(), inks->plotArea().bottom());

        auto* levels = static_cast<sg::QuadLevelsViewController*>(showQuadLevels(window));
        levels->openDroppedFile(tenChannels);
        QCoreApplication::processEvents();
        const QChart* levelsChart = levels->inkChart()->chart();
        QCOMPARE(legendTexts(levelsChart).size(), 10);
        QCOMPARE(legendTexts(levelsChart), seriesNames(levelsChart));
    }

    void droppedFilesGoToTheCurrentToolWhenItTakesThem() {
        ScriptedUiServices ui;
        MainWindow window(ui);
        QVERIFY(window.acceptDrops());
        showQuadLevels(window);
        QVERIFY(!dropFile(window, QStringLiteral("/tmp/measurements.txt")));
        QVERIFY(dropFile(window, warmFile));
        const auto* levels = static_cast<sg::QuadLevelsViewController*>(window.currentTool());
        QVERIFY(levels->tool().curveFile().has_value());
        QVERIFY(window.saveAction()->isEnabled());

        auto* tool = new FakeTool(QStringLiteral("Curve Editor"));
        window.addTool(tool);
        window.tabs()->setCurrentWidget(tool);
        QVERIFY(!dropFile(window, warmFile));
        QVERIFY(dropFile(window, QStringLiteral("/tmp/measurements.txt")));
        QCOMPARE(tool->dropped, QStringList{QStringLiteral("/tmp/measurements.txt")});
        QVERIFY(ui.scriptFinished());  // no dialog for a drop
    }

    void feedbackOffersACopyableSummary() {
        const QString summary = sg::FeedbackDialog::systemSummary();
        QVERIFY(summary.startsWith(
            "Silvergrain " +
            QString::fromUtf8(sg::silvergrainVersion.data(), sg::silvergrainVersion.size()) +
            "\n"));
        QVERIFY(summary.contains(QStringLiteral("Qt ") + QString::fromLatin1(qVersion())));
        QCOMPARE(summary.count('\n'), 2);

        sg::FeedbackDialog dialog;
        const auto* text = dialog.findChild<QPlainTextEdit*>(QStringLiteral("feedbackSummary"));
        QVERIFY(text != nullptr);
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->toPlainText(), summary);
        QApplication::clipboard()->clear();
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("Copy Summary")) {
                button->click();
            }
        }
        QCOMPARE(QApplication::clipboard()->text(), summary);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
