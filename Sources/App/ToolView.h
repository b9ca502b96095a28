#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "Common/Alert.h"

class QAction;
class QLayout;

namespace sg {

class UiServices;

// A tool as the main window hosts it. A tool view wires its own controls to its tool model;
// this base gives the window what the document needs (title, files, unsaved result, status
// messages, recent files, files from drops and the command line) and the usual layout.
//
// A new view: derive, implement the pure virtuals, build its controls (CurveFileBox, SaveRow,
// InkCurveChart), call arrange() once, and report through the protected helpers: opened(),
// refuseFile(), setUnsavedResult() when the result changes, resultSaved() after a save.
class ToolView : public QWidget {
    Q_OBJECT

public:
    explicit ToolView(UiServices& ui, QWidget* parent = nullptr);

    // The tab's title, also the tool's name in the window title ("Linearization").
    virtual QString toolTitle() const = 0;
    // The names of the files the tool works on, for the window title; empty before any.
    virtual QStringList documentNames() const = 0;

    // File > Open... and File > Save...: the tool's main load and its save.
    virtual void openFile() = 0;
    virtual void saveFile() = 0;
    virtual bool canSave() const = 0;

    // Further File menu entries, under Open while the tool is current (the loader of a second
    // kind of file, with its own shortcut).
    virtual QList<QAction*> fileMenuActions() const { return {}; }
    // The Edit menu while the tool is current (Undo and Redo); a tool without any has none.
    virtual QList<QAction*> editMenuActions() const { return {}; }

    // Files from drops, the command line and File > Open Recent: whether the tool opens such a
    // file, and opening it as the matching open dialog's answer would.
    virtual bool takesFile(const QString& path) const = 0;
    virtual void openFileAt(const QString& path) = 0;
    // Several files at once (the command line): each as openFileAt() would. A tool that takes
    // files of two kinds opens them in the order that needs no second step.
    virtual void openFilesAt(const QStringList& paths);

    // A result the user would lose on quitting: computed or changed since it was last saved.
    bool hasUnsavedResult() const { return unsavedResult_; }

signals:
    // documentNames(), hasUnsavedResult() or canSave() may have changed.
    void documentChanged();
    // A file was taken (for File > Open Recent).
    void fileOpened(const QString& path);
    // A file was refused (for Help > Send Feedback).
    void fileRefused(const QString& path, const sg::Alert& alert);
    // Something the status bar should say, e.g. what a save wrote where.
    void statusMessage(const QString& text);

protected:
    UiServices& ui() const { return ui_; }

    // Lays the tool out: `controls` stacked in a column on the left that scrolls when the window
    // is short, `graphs` on the right taking the remaining room.
    void arrange(const QList<QWidget*>& controls, QLayout* graphs);

    void opened(const QString& path);
    // Shows the refusal and reports it.
    void refuseFile(const QString& path, const Alert& alert);
    void setUnsavedResult(bool unsaved);
    // After a good save: the result counts as saved and the status bar says `message`.
    void resultSaved(const QString& message);

private:
    UiServices& ui_;
    bool unsavedResult_ = false;
};

}  // namespace sg
