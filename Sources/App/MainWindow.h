#pragma once

#include <optional>

#include <QList>
#include <QMainWindow>
#include <QStringList>

#include "App/AppSettings.h"
#include "App/FeedbackDialog.h"

class QAction;
class QMenu;
class QTabWidget;

namespace sg {

class ToolView;
class UiServices;

// The document window that hosts the tools as tabs, in the fixed order of toolOrder() whatever
// order they are added in. The title names the current tool and its files and marks an unsaved
// result; File > Open/Save go to the current tool, the File menu lists its other file actions
// and the recent files; files from drops, the command line and the recent files go to the tool
// that takes them; every save is told in the status bar; closing with an unsaved result asks
// first. Geometry, the current tool and the recent files are kept in AppSettings.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(UiServices& ui, QWidget* parent = nullptr);

    // Hosting a tool is one addTool() line in the constructor.
    void addTool(ToolView* tool);
    static const QStringList& toolOrder();

    // Files from the command line, a drop or File > Open Recent: to the current tool when it
    // takes them all, else to the first tool that does, which becomes current. Files that no
    // tool takes are refused with an alert.
    void openFiles(const QStringList& paths);
    // Makes the tool with this title current; false when there is none.
    bool showTool(const QString& title);

    QTabWidget* tabs() const { return tabs_; }
    ToolView* currentTool() const;
    QAction* openAction() const { return openAction_; }
    QAction* saveAction() const { return saveAction_; }
    QMenu* fileMenu() const { return fileMenu_; }
    QMenu* editMenu() const { return editMenu_; }
    QMenu* recentFilesMenu() const { return recentMenu_; }
    const std::optional<RefusedFile>& lastRefusal() const { return lastRefusal_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createMenus();
    void currentToolChanged();
    void updateDocument();
    void updateRecentFilesMenu();
    // Asks about every unsaved result; false when the user keeps the window open.
    bool settleUnsavedResults();
    ToolView* toolTakingAll(const QStringList& paths) const;
    void showAbout();

    UiServices& ui_;
    AppSettings settings_;
    QTabWidget* tabs_;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QAction* openAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QList<QAction*> toolFileActions_;  // the current tool's, while they are in the File menu
    std::optional<RefusedFile> lastRefusal_;
};

}  // namespace sg
