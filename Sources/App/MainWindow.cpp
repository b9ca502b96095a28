#include "App/MainWindow.h"

#include <algorithm>
#include <utility>

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QUrl>

#include "App/AutomaticCurveCreationViewController.h"
#include "App/CurveBlendingViewController.h"
#include "App/CurveEditorViewController.h"
#include "App/LinearizationViewController.h"
#include "App/ManualCurveCreationViewController.h"
#include "App/QuadLevelsViewController.h"
#include "App/StarterCurveViewController.h"
#include "App/ToolView.h"
#include "App/UiServices.h"
#include "Common/Version.h"

namespace sg {
namespace {

QString versionText() {
    return QString::fromUtf8(silvergrainVersion.data(), silvergrainVersion.size());
}

// The dropped files when they all are local; none otherwise.
QStringList localFiles(const QMimeData* data) {
    QStringList paths;
    if (data == nullptr || !data->hasUrls()) {
        return paths;
    }
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) {
            return {};
        }
        paths << url.toLocalFile();
    }
    return paths;
}

}  // namespace

const QStringList& MainWindow::toolOrder() {
    static const QStringList order{
        QStringLiteral("Starter Curve"),         QStringLiteral("Linearization"),
        QStringLiteral("Manual Curve Creation"), QStringLiteral("Automatic Curve Creation"),
        QStringLiteral("Curve Blending"),        QStringLiteral("Quad Levels"),
        QStringLiteral("Curve Editor"),
    };
    return order;
}

MainWindow::MainWindow(UiServices& ui, QWidget* parent)
    : QMainWindow(parent), ui_(ui), tabs_(new QTabWidget(this)) {
    setWindowIcon(QIcon(QStringLiteral(":/icons/org.halidewerk.Silvergrain.svg")));
    tabs_->setDocumentMode(true);
    setCentralWidget(tabs_);
    setAcceptDrops(true);
    statusBar();
    createMenus();
    connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::currentToolChanged);

    // The tools, one line each.
    addTool(new StarterCurveViewController(ui_));
    addTool(new LinearizationViewController(ui_));
    addTool(new ManualCurveCreationViewController(ui_));
    addTool(new AutomaticCurveCreationViewController(ui_));
    addTool(new CurveBlendingViewController(ui_));
    addTool(new QuadLevelsViewController(ui_));
    addTool(new CurveEditorViewController(ui_));

    showTool(settings_.lastTool());
    if (!restoreGeometry(settings_.windowGeometry())) {
        const QSize room = QGuiApplication::primaryScreen()->availableSize();
        resize(std::min(1280, room.width() * 9 / 10), std::min(800, room.height() * 9 / 10));
    }
    updateDocument();
}

void MainWindow::addTool(ToolView* tool) {
    const qsizetype rank = toolOrder().indexOf(tool->toolTitle());
    int index = 0;
    while (index < tabs_->count()) {
        const auto* hosted = static_cast<const ToolView*>(tabs_->widget(index));
        const qsizetype hostedRank = toolOrder().indexOf(hosted->toolTitle());
        // Tools not in the list go last, in the order they were added.
        if (rank >= 0 && (hostedRank < 0 || hostedRank > rank)) {
            break;
        }
        ++index;
    }
    tabs_->insertTab(index, tool, tool->toolTitle());
    connect(tool, &ToolView::documentChanged, this, [this, tool] {
        if (tool == currentTool()) {
            updateDocument();
        }
    });
    connect(tool, &ToolView::fileOpened, this, [this](const QString& path) {
        settings_.addRecentFile(path);
        updateRecentFilesMenu();
    });
    connect(tool, &ToolView::fileRefused, this, [this](const QString& path, const Alert& alert) {
        lastRefusal_ = RefusedFile{path, alert};
    });
    connect(tool, &ToolView::statusMessage, this,
            [this](const QString& text) { statusBar()->showMessage(text); });
}

ToolView* MainWindow::currentTool() const {
    return static_cast<ToolView*>(tabs_->currentWidget());
}

bool MainWindow::showTool(const QString& title) {
    for (int index = 0; index < tabs_->count(); ++index) {
        if (tabs_->tabText(index) == title) {
            tabs_->setCurrentIndex(index);
            return true;
        }
    }
    return false;
}

void MainWindow::createMenus() {
    fileMenu_ = menuBar()->addMenu(tr("&File"));
    openAction_ = fileMenu_->addAction(tr("&Open..."), this, [this] {
        if (ToolView* tool = currentTool()) {
            tool->openFile();
        }
    });
    openAction_->setShortcut(QKeySequence::Open);
    recentMenu_ = fileMenu_->addMenu(tr("Open &Recent"));
    connect(recentMenu_, &QMenu::aboutToShow, this, &MainWindow::updateRecentFilesMenu);
    saveAction_ = fileMenu_->addAction(tr("&Save..."), this, [this] {
        if (ToolView* tool = currentTool(); tool && tool->canSave()) {
            tool->saveFile();
        }
    });
    saveAction_->setShortcut(QKeySequence::Save);
    fileMenu_->addSeparator();
    QAction* quit = fileMenu_->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setMenuRole(QAction::QuitRole);
    updateRecentFilesMenu();
    editMenu_ = menuBar()->addMenu(tr("&Edit"));

    QMenu* helpMenu = menuBar()->addMenu(tr("&Help"));
    helpMenu->addAction(tr("Send &Feedback..."), this, [this] {
        FeedbackDialog dialog(lastRefusal_, this);
        dialog.exec();
    });
    QAction* about = helpMenu->addAction(tr("&About Silvergrain"), this, &MainWindow::showAbout);
    about->setMenuRole(QAction::AboutRole);
}

void MainWindow::updateRecentFilesMenu() {
    recentMenu_->clear();
    const QStringList files = settings_.recentFiles();
    for (qsizetype index = 0; index < files.size(); ++index) {
        const QString path = files[index];
        QAction* entry = recentMenu_->addAction(
            QStringLiteral("&%1 %2").arg(index + 1).arg(QFileInfo(path).fileName()), this,
            [this, path] { openFiles({path}); });
        entry->setData(path);
        entry->setStatusTip(path);
        entry->setToolTip(path);
    }
    recentMenu_->addSeparator();
    recentMenu_
        ->addAction(tr("&Clear Menu"), this,
                    [this] {
                        settings_.clearRecentFiles();
                        updateRecentFilesMenu();
                    })
        ->setEnabled(!files.isEmpty());
}

void MainWindow::currentToolChanged() {
    for (QAction* action : std::as_const(toolFileActions_)) {
        fileMenu_->removeAction(action);
    }
    const ToolView* tool = currentTool();
    toolFileActions_ = tool ? tool->fileMenuActions() : QList<QAction*>();
    fileMenu_->insertActions(saveAction_, toolFileActions_);
    editMenu_->clear();
    editMenu_->addActions(tool ? tool->editMenuActions() : QList<QAction*>());
    editMenu_->menuAction()->setVisible(!editMenu_->isEmpty());
    updateDocument();
}

void MainWindow::updateDocument() {
    const ToolView* tool = currentTool();
    openAction_->setEnabled(tool != nullptr);
    saveAction_->setEnabled(tool != nullptr && tool->canSave());
    if (tool == nullptr) {
        setWindowTitle(QStringLiteral("Silvergrain"));
        return;
    }
    const QStringList names = tool->documentNames();
    // "[*]" is where the platform puts its unsaved mark.
    const QString document = names.isEmpty() ? tool->toolTitle() : names.join(QStringLiteral(", "));
    const QString title = names.isEmpty() ? QStringLiteral("%1[*] \u2013 Silvergrain")
                                          : QStringLiteral("%1[*] \u2013 %2 \u2013 Silvergrain");
    setWindowTitle(names.isEmpty() ? title.arg(document) : title.arg(document, tool->toolTitle()));
    setWindowModified(tool->hasUnsavedResult());
}

ToolView* MainWindow::toolTakingAll(const QStringList& paths) const {
    const auto takesAll = [&paths](const ToolView* tool) {
        return std::all_of(paths.begin(), paths.end(),
                           [tool](const QString& path) { return tool->takesFile(path); });
    };
    if (currentTool() != nullptr && takesAll(currentTool())) {
        return currentTool();
    }
    for (int index = 0; index < tabs_->count(); ++index) {
        auto* tool = static_cast<ToolView*>(tabs_->widget(index));
        if (takesAll(tool)) {
            return tool;
        }
    }
    return nullptr;
}

void MainWindow::openFiles(const QStringList& paths) {
    if (paths.isEmpty()) {
        return;
    }
    QStringList absolute;
    for (const QString& path : paths) {
        absolute << QFileInfo(path).absoluteFilePath();
    }
    ToolView* tool = toolTakingAll(absolute);
    if (tool == nullptr) {
        tool = currentTool();
        QStringList taken;
        for (const QString& path : absolute) {
            if (tool != nullptr && tool->takesFile(path)) {
                taken << path;
            } else {
                ui_.showAlert(Alert{"Cannot Open File",
                                    "No tool opens " + QFileInfo(path).fileName().toStdString() +
                                        ": curve files end in .quad, measurement files in .txt, "
                                        ".csv or .ti3."});
            }
        }
        absolute = taken;
    }
    if (tool == nullptr || absolute.isEmpty()) {
        return;
    }
    tabs_->setCurrentWidget(tool);
    tool->openFilesAt(absolute);
}

bool MainWindow::settleUnsavedResults() {
    for (int index = 0; index < tabs_->count(); ++index) {
        auto* tool = static_cast<ToolView*>(tabs_->widget(index));
        if (!tool->hasUnsavedResult()) {
            continue;
        }
        tabs_->setCurrentWidget(tool);
        const QStringList names = tool->documentNames();
        const QString what = names.isEmpty()
                                 ? tr("the %1 result").arg(tool->toolTitle())
                                 : tr("the %1 result for %2")
                                       .arg(tool->toolTitle(), names.join(QStringLiteral(", ")));
        switch (ui_.askAboutUnsavedResult(what)) {
            case UnsavedResultAnswer::save:
                tool->saveFile();
                if (tool->hasUnsavedResult()) {
                    return false;  // the save was cancelled or refused
                }
                break;
            case UnsavedResultAnswer::discard:
                break;
            case UnsavedResultAnswer::cancel:
                return false;
        }
    }
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The questions show their tools; the next start shows the one the user was in.
    ToolView* const shown = currentTool();
    if (!settleUnsavedResults()) {
        event->ignore();
        return;
    }
    settings_.setWindowGeometry(saveGeometry());
    if (shown != nullptr) {
        settings_.setLastTool(shown->toolTitle());
    }
    event->accept();
}

void MainWindow::showAbout() {
    QMessageBox box(this);
    box.setWindowTitle(tr("About Silvergrain"));
    box.setIconPixmap(windowIcon().pixmap(96, 96));
    box.setText(tr("<b>Silvergrain %1</b>").arg(versionText()));
    box.setInformativeText(
        tr("Makes, linearizes and trims QuadToneRIP .quad curves for black-and-white inkjet "
           "printing.<p>Copyright (c) 2026 Halidewerk<br>Released under the MIT licence."));
    box.exec();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QStringList paths = localFiles(event->mimeData());
    if (!paths.isEmpty() && toolTakingAll(paths) != nullptr) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QStringList paths = localFiles(event->mimeData());
    if (paths.isEmpty() || toolTakingAll(paths) == nullptr) {
        return;
    }
    event->acceptProposedAction();
    openFiles(paths);
}

}  // namespace sg
