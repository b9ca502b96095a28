#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <vector>

#include <QString>

#include "App/InkCurveColors.h"
#include "App/ToolView.h"
#include "CurveTools/CurveEditor.h"

class QAction;
class QComboBox;
class QPushButton;
class QUndoStack;

namespace sg {

class CurveEditorView;
class CurveFileBox;
class InkCurveChart;
class SaveRow;

// The Curve Editor tab: one channel of a loaded curve reshaped by hand in the editing widget,
// accepted into the output curve, whose every channel the graph below shows, and saved under
// the loaded file's header. Every change of the points, the channel or the accepted channels
// is a step of Edit > Undo and Redo; opening a file starts a new history.
class CurveEditorViewController : public ToolView {
    Q_OBJECT

public:
    explicit CurveEditorViewController(UiServices& ui, QWidget* parent = nullptr);

    QString toolTitle() const override;
    QStringList documentNames() const override;
    void openFile() override { loadCurve(); }
    void saveFile() override { saveEditedCurve(); }
    bool canSave() const override { return editor_.canSave(); }
    QList<QAction*> editMenuActions() const override { return {undoAction_, redoAction_}; }
    bool takesFile(const QString& path) const override;
    void openFileAt(const QString& path) override;

    // The user actions of the column.
    void loadCurve();
    void chooseChannel(int channel);
    void acceptEdit();
    void resetPoints();
    void saveEditedCurve();

    const CurveEditor& editor() const { return editor_; }
    CurveFileBox* curveBox() const { return curveBox_; }
    QComboBox* channelBox() const { return channelBox_; }
    QPushButton* acceptButton() const { return acceptButton_; }
    QPushButton* resetButton() const { return resetButton_; }
    SaveRow* saveRow() const { return saveRow_; }
    CurveEditorView* editorView() const { return editorView_; }
    InkCurveChart* inkChart() const { return inkChart_; }
    QAction* undoAction() const { return undoAction_; }
    QAction* redoAction() const { return redoAction_; }
    QUndoStack* undoStack() const { return undoStack_; }

private:
    // A change as one undo step, named `what`; none when only the chosen point moved on.
    void changeStarting();
    void changeFinished(const QString& what);
    void change(const QString& what, const std::function<void()>& action);
    void showState(const CurveEditorState& state);
    void redraw();

    CurveEditor editor_;
    // The state when the change under way started.
    CurveEditorState changeStart_;
    // The accepted channels as last saved (none after an open): any difference is unsaved.
    std::map<std::size_t, std::vector<double>> savedChannels_;
    std::vector<InkSeriesStyle> graphStyles_;

    CurveFileBox* curveBox_;
    QComboBox* channelBox_;
    QPushButton* acceptButton_;
    QPushButton* resetButton_;
    SaveRow* saveRow_;
    CurveEditorView* editorView_;
    InkCurveChart* inkChart_;
    QUndoStack* undoStack_;
    QAction* undoAction_;
    QAction* redoAction_;
};

}  // namespace sg
