#pragma once

#include <functional>

#include <QString>
#include <QUndoCommand>

#include "CurveTools/CurveEditor.h"

namespace sg {

// One step of the Curve Editor's undo history: the editor's whole state before and after a
// change. Undo and redo hand one of the two to `show`, which restores it in the editor and
// redraws the tab.
class CurveEditorUndoStep : public QUndoCommand {
public:
    using Show = std::function<void(const CurveEditorState&)>;

    CurveEditorUndoStep(const QString& text, CurveEditorState before, CurveEditorState after,
                        Show show);

    void undo() override;
    void redo() override;

private:
    CurveEditorState before_;
    CurveEditorState after_;
    Show show_;
};

}  // namespace sg
