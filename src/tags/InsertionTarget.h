#pragma once

#include <QString>

// Where insertions go: the frame's active document. Menus, boxes and builders only see this, so
// they can be driven in tests without a frame.
class InsertionTarget {
public:
    virtual ~InsertionTarget() = default;

    // True while a document window is open to receive a script.
    virtual bool hasActiveDocument() const = 0;

    // Focuses the active document and types the keystroke script into its visible editor box.
    // Several calls in a row give the same result as one call with the concatenated script.
    virtual void typeKeystrokeScript(const QString& script) = 0;

    // Shows a short note in the frame's status line (for example why nothing was inserted).
    virtual void showStatusNote(const QString& note) = 0;
};
