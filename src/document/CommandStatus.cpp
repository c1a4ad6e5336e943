#include "document/CommandStatus.h"

#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "state/ProgramState.h"

CommandStatus CommandStatus::of(const ProgramState& state, const DocumentWindow* doc) {
    CommandStatus status;
    status.marks = doc ? state.documents().marks(doc->slot()) : state.frameMarks();
    status.switches = state.editorSwitches();
    status.toolbarShown = state.toolbarShown();
    status.tabbedWindows = state.tabbedWindows();
    if (doc) {
        const EditorBox& editor = *doc->editor();
        status.wrapsText = editor.wraps();
        status.canUndo = editor.document()->isUndoAvailable();
        status.canRedo = editor.document()->isRedoAvailable();
    }
    return status;
}
