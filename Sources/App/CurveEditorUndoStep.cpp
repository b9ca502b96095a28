#include "App/CurveEditorUndoStep.h"

#include <utility>

namespace sg {

CurveEditorUndoStep::CurveEditorUndoStep(const QString& text, CurveEditorState before,
                                         CurveEditorState after, Show show)
    : QUndoCommand(text),
      before_(std::move(before)),
      after_(std::move(after)),
      show_(std::move(show)) {}

void CurveEditorUndoStep::undo() {
    show_(before_);
}

void CurveEditorUndoStep::redo() {
    show_(after_);
}

}  // namespace sg
