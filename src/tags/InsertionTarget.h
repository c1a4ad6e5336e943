#pragma once

#include "tags/ScriptText.h"

#include <QString>
#include <QStringList>

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

    // Types the pieces of one builder as one insertion. A selection is not typed over: it stays,
    // selected, where the insertion leaves the caret.
    virtual void typeKeepingSelection(const QStringList& scripts) {
        for (const QString& script : scripts)
            typeKeystrokeScript(script);
    }

    // Types `text` as it stands as one insertion with the caret at its first stop; a selection
    // is kept as typeKeepingSelection keeps it. The default only types it.
    virtual void typeStructure(const QString& text) {
        typeKeystrokeScript(scriptForLiteralText(text));
    }

    // Shows a short note in the frame's status line (for example why nothing was inserted).
    virtual void showStatusNote(const QString& note) = 0;
};
