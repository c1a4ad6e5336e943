#pragma once

#include <QString>

// The editor operations a keystroke script needs, so scripts can be applied to the real editor
// widget or to a plain string in tests. Positions count UTF-16 code units; a line break is one
// position. The caret is position(); anchor() is the other end of the selection (equal to the
// caret when nothing is selected).
class EditBuffer {
public:
    enum class Move {
        Left,           // one character; without extending, a selection collapses to its start
        Right,          // one character; without extending, a selection collapses to its end
        LineStart,      // start of the displayed line
        LineEnd,        // end of the displayed line
        LineUp,         // one displayed line up, keeping the column as far as the line allows
        LineDown,       // one displayed line down, likewise
        PageUp,         // a page of lines up
        PageDown,       // a page of lines down
        DocumentStart,  // start of the text
        DocumentEnd,    // end of the text
    };

    virtual ~EditBuffer() = default;

    virtual int length() const = 0;
    virtual int position() const = 0;
    virtual int anchor() const = 0;
    bool hasSelection() const { return position() != anchor(); }

    // Types text at the caret, replacing the selection if there is one; the caret ends after it.
    virtual void insertText(const QString& text) = 0;
    // Moves the caret; with `extendSelection` the anchor stays put. Returns false when the caret
    // and selection stayed as they were (already at that edge), so repeats can stop early.
    virtual bool move(Move move, bool extendSelection) = 0;
    // Delete and Backspace: remove the selection, else the character after (before) the caret.
    // Return false when there was nothing to remove.
    virtual bool deleteForward() = 0;
    virtual bool deleteBackward() = 0;
    virtual void selectAll() = 0;
    // Plain-text clipboard; cut and copy do nothing without a selection.
    virtual void cut() = 0;
    virtual void copy() = 0;
    virtual void paste() = 0;
};
