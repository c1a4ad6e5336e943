#pragma once

#include "state/DocumentTable.h"
#include "state/EditorSwitches.h"

class DocumentWindow;
class ProgramState;

// What the marks and enabled states of one window's entries depend on, read in one place for
// the frame's menus (no document) and for a document window's.
struct CommandStatus {
    MenuMarks marks;
    EditorSwitches switches;
    bool toolbarShown = false;
    bool tabbedWindows = false;
    bool wrapsText = false;
    bool canUndo = false;
    bool canRedo = false;

    static CommandStatus of(const ProgramState& state, const DocumentWindow* doc);
};
