#pragma once

#include <QMainWindow>
#include <QStringList>

class QAction;
class QMimeData;
class QTabWidget;

namespace sg {

class ToolView;
class UiServices;

// The window that hosts the tools as tabs, in the fixed order of toolOrder() whatever order
// they are added in. File > Open/Save go to the current tool, and so do files dropped on the
// window when the current tool takes them.
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
    void updateActions();
    void showAbout();
    QString droppedFileForCurrentTool(const QMimeData* data) const;

    UiServices& ui_;
    QTabWidget* tabs_;
    QAction* openAction_ = nullptr;
    QAction* saveAction_ = nullptr;
};

}  // namespace sg
