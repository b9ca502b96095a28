#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QAction;

namespace sg {

// What the main window needs from a tool view: its tab title, the File menu's Open and Save,
// the tool's other file actions, and files dropped on the window.
class ToolView : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    virtual QString toolTitle() const = 0;

    // File > Open... and File > Save...: the tool's own load and save actions.
    virtual void openFile() = 0;
    virtual void saveFile() = 0;
    virtual bool canSave() const = 0;

    // Further File menu entries, shown under Open while the tool is current: the loaders of
    // a tool that opens a second kind of file, each with its own shortcut.
    virtual QList<QAction*> fileMenuActions() const { return {}; }

    // Whether a file dropped on the window is one this tool loads, and loading it.
    virtual bool takesDroppedFile(const QString& path) const = 0;
    virtual void openDroppedFile(const QString& path) = 0;

signals:
    // canSave() may have changed.
    void saveAvailabilityChanged();
};

}  // namespace sg
