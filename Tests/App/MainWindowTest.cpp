#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QUrl>

#include "App/FeedbackDialog.h"
#include "App/MainWindow.h"
#include "App/QuadLevelsViewController.h"
#include "App/ToolView.h"
#include "Support/ScriptedUiServices.h"

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

// Other tools are hosted too; these tests work on the Quad Levels tab.
sg::ToolView* showQuadLevels(MainWindow& window) {
    for (int index = 0; index < window.tabs()->count(); ++index) {
        if (window.tabs()->tabText(index) == QStringLiteral("Quad Levels")) {
            window.tabs()->setCurrentIndex(index);
        }
    }
    return window.currentTool();
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
        QCOMPARE(actionTexts(menus[0]), (QStringList{"&Open...", "&Save...", "&Quit"}));
        QCOMPARE(actionTexts(menus[1]), (QStringList{"Send &Feedback...", "&About Silvergrain"}));
        QCOMPARE(window.openAction()->shortcut(), QKeySequence(QKeySequence::Open));
        QCOMPARE(window.saveAction()->shortcut(), QKeySequence(QKeySequence::Save));
        QCOMPARE(menus[0]->actions().last()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));

        // Quad Levels: nothing to save until a file is loaded through File > Open.
        QCOMPARE(showQuadLevels(window)->toolTitle(), QStringLiteral("Quad Levels"));
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

    void droppedFilesGoToTheCurrentToolWhenItTakesThem() {
        ScriptedUiServices ui;
        MainWindow window(ui);
        QVERIFY(window.acceptDrops());
        showQuadLevels(window);
        QVERIFY(!dropFile(window, QStringLiteral("/tmp/measurements.txt")));
        QVERIFY(dropFile(window, warmFile));
        const auto* levels = static_cast<sg::QuadLevelsViewController*>(window.currentTool());
        QVERIFY(levels->tool().currentFile().has_value());
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
        QVERIFY(summary.startsWith(QStringLiteral("Silvergrain " SILVERGRAIN_VERSION "\n")));
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
