#include "App/MainWindow.h"

#include <utility>

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QTabWidget>
#include <QUrl>

#include "App/FeedbackDialog.h"
#include "App/LinearizationViewController.h"
#include "App/QuadLevelsViewController.h"
#include "App/ToolView.h"
#include "App/UiServices.h"
#include "Common/Version.h"

namespace sg {

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
    setWindowTitle(QStringLiteral("Silvergrain"));
    tabs_->setDocumentMode(true);
    setCentralWidget(tabs_);
    setAcceptDrops(true);
    createMenus();
    connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::currentToolChanged);

    // The tools, one line each.
    addTool(new LinearizationViewController(ui_));
    addTool(new QuadLevelsViewController(ui_));

    resize(1200, 760);
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
    connect(tool, &ToolView::saveAvailabilityChanged, this, &MainWindow::updateActions);
}

ToolView* MainWindow::currentTool() const {
    return static_cast<ToolView*>(tabs_->currentWidget());
}

void MainWindow::createMenus() {
    fileMenu_ = menuBar()->addMenu(tr("&File"));
    openAction_ = fileMenu_->addAction(tr("&Open..."), this, [this] {
        if (ToolView* tool = currentTool()) {
            tool->openFile();
        }
    });
    openAction_->setShortcut(QKeySequence::Open);
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

    QMenu* helpMenu = menuBar()->addMenu(tr("&Help"));
    helpMenu->addAction(tr("Send &Feedback..."), this, [this] {
        FeedbackDialog dialog(this);
        dialog.exec();
    });
    QAction* about = helpMenu->addAction(tr("&About Silvergrain"), this, &MainWindow::showAbout);
    about->setMenuRole(QAction::AboutRole);
}

void MainWindow::currentToolChanged() {
    for (QAction* action : std::as_const(toolFileActions_)) {
        fileMenu_->removeAction(action);
    }
    const ToolView* tool = currentTool();
    toolFileActions_ = tool ? tool->fileMenuActions() : QList<QAction*>();
    fileMenu_->insertActions(saveAction_, toolFileActions_);
    updateActions();
}

void MainWindow::updateActions() {
    const ToolView* tool = currentTool();
    openAction_->setEnabled(tool != nullptr);
    saveAction_->setEnabled(tool != nullptr && tool->canSave());
}

void MainWindow::showAbout() {
    QMessageBox::about(
        this, tr("About Silvergrain"),
        tr("<b>Silvergrain %1</b><p>Makes, linearizes and rescales QuadToneRIP .quad curve "
           "files for black-and-white inkjet printing.</p>")
            .arg(QString::fromUtf8(silvergrainVersion.data(), silvergrainVersion.size())));
}

QString MainWindow::droppedFileForCurrentTool(const QMimeData* data) const {
    const ToolView* tool = currentTool();
    if (tool == nullptr || data == nullptr || !data->hasUrls() || data->urls().size() != 1) {
        return {};
    }
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile()) {
        return {};
    }
    const QString path = url.toLocalFile();
    return tool->takesDroppedFile(path) ? path : QString();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFileForCurrentTool(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedFileForCurrentTool(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    currentTool()->openDroppedFile(path);
}

}  // namespace sg
