#pragma once

#include "tags/EditBuffer.h"
#include "tags/ScriptOutcome.h"
#include "tags/ScriptToken.h"

#include <QList>
#include <QString>

// Types keystroke-script tokens into an EditBuffer, giving what typing the keys would give.
//
// Characters (plain, escaped, Shift-ed, Enter and Tab) replace the selection or insert at the
// caret. Shift on a character gives what Shift gives on a US keyboard; Shift on a movement key
// extends the selection. Escape, Insert and the other inert keys do nothing.
//
// Ctrl and Alt: only the editor's own chords do something when applied to the buffer: Ctrl+X
// cut, Ctrl+C copy, Ctrl+V paste, Ctrl+A select all, Ctrl+Home and Ctrl+End (with Shift:
// extending the selection). Every other Ctrl or Alt chord is ignored and types nothing, since
// in the editor they are menu shortcuts or nothing at all, never text.
//
// Besides typing, the applier notes the span of text its scripts typed and where the caret
// ended (outcome()), so that what follows an insertion knows what was inserted.
class ScriptApplier {
public:
    explicit ScriptApplier(EditBuffer& buffer) : m_buffer(buffer) {}

    void apply(const QString& script);
    void apply(const QList<ScriptToken>& tokens);
    void apply(const ScriptToken& token);

    // The character Shift gives on the key of `c` on a US keyboard; `c` itself where Shift
    // changes nothing (already shifted characters, blanks, letters outside ASCII).
    static QChar shifted(QChar c);

    // The span typed by everything applied so far, and the caret as it stands now.
    ScriptOutcome outcome() const;

private:
    // Adds what `token` types to `text` and returns true, when typing text (or nothing) is all
    // the token does.
    static bool appendTypedText(const ScriptToken& token, QString& text);
    enum class EditKind { Typing, Removal };
    // Runs one editing call of the buffer and records what it changed.
    template <typename Edit>
    bool edit(EditKind kind, Edit&& call);
    void typeText(const QString& text);
    void typeCharacter(const ScriptToken& token);
    void pressKey(const ScriptToken& token);
    void applyControlChord(const ScriptToken& token);
    void repeatMove(EditBuffer::Move move, bool extendSelection, int count);

    EditBuffer& m_buffer;
    ScriptOutcome m_outcome;
};
