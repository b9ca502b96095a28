#pragma once

#include <QList>
#include <QMainWindow>
#include <QStringList>

class QAction;
class QMenu;
class QMimeData;
class QTabWidget;

namespace sg {

class ToolView;
class UiServices;

// The window that hosts the tools as tabs, in the fixed order of toolOrder() whatever order
// they are added in. File > Open/Save go to the current tool, the File menu lists the current
// tool's other file actions, and files dropped on the window go to the current tool when it
// takes them.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(UiServices& ui, QWidget* parent = nullptr);

    // Hosting a tool is one addTool() line in the constructor.
    void addTool(ToolView* tool);

    static const QStringList& toolOrder();

    QTabWidget* tabs() const { return tabs_; }
    ToolView* currentTool() const;
    QAction* openAction() const { return openAction_; }
    QAction* saveAction() const { return saveAction_; }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createMenus();
    void currentToolChanged();
    void updateActions();
    void showAbout();
    QString droppedFileForCurrentTool(const QMimeData* data) const;

    UiServices& ui_;
    QTabWidget* tabs_;
    QMenu* fileMenu_ = nullptr;
    QAction* openAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QList<QAction*> toolFileActions_;  // the current tool's, while they are in the File menu
};

}  // namespace sg
