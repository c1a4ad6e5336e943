#pragma once

// The editor's switches of the View menu and Open Large Files. They hold for the whole program:
// switching one changes every open document window at once.
struct EditorSwitches {
    bool syntaxColouring = true;
    bool lineNumbers = true;
    bool openLargeFiles = false;
    bool tagCompletion = true;
    bool autoCloseTags = true;

    bool operator==(const EditorSwitches&) const = default;
};

// One of the switches, by name.
enum class EditorSwitch {
    SyntaxColouring,
    LineNumbers,
    OpenLargeFiles,
    TagCompletion,
    AutoCloseTags
};
