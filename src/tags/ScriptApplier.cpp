#include "tags/ScriptApplier.h"

#include "tags/KeystrokeScript.h"

void ScriptApplier::apply(const QString& script) {
    apply(KeystrokeScript::parse(script));
}

void ScriptApplier::apply(const QList<ScriptToken>& tokens) {
    // A run of typed characters goes in as one insert: the same text as one insert per
    // character, without paying the buffer's cost per insert once per character.
    QString typed;
    for (const ScriptToken& token : tokens) {
        if (appendTypedText(token, typed))
            continue;
        if (!typed.isEmpty()) {
            typeText(typed);
            typed.clear();
        }
        apply(token);
    }
    if (!typed.isEmpty())
        typeText(typed);
}

bool ScriptApplier::appendTypedText(const ScriptToken& token, QString& text) {
    if (token.modifiers.alt || token.count <= 0)
        return true;  // does nothing, so it does not end a run
    if (token.modifiers.ctrl)
        return false;
    if (token.kind == ScriptToken::Kind::Character) {
        text += QString(token.count,
                        token.modifiers.shift ? shifted(token.character) : token.character);
        return true;
    }
    if (token.key == ScriptKey::Enter || token.key == ScriptKey::Tab) {
        text += QString(token.count, token.key == ScriptKey::Enter ? u'\n' : u'\t');
        return true;
    }
    return false;
}

void ScriptApplier::apply(const ScriptToken& token) {
    if (token.modifiers.alt || token.count <= 0)
        return;
    if (token.modifiers.ctrl) {
        applyControlChord(token);
        return;
    }
    if (token.kind == ScriptToken::Kind::Character)
        typeCharacter(token);
    else
        pressKey(token);
}

QChar ScriptApplier::shifted(QChar c) {
    static constexpr char16_t kPlain[] = u"`1234567890-=[]\\;',./";
    static constexpr char16_t kShifted[] = u"~!@#$%^&*()_+{}|:\"<>?";
    if (c >= u'a' && c <= u'z')
        return c.toUpper();
    for (int i = 0; kPlain[i]; ++i) {
        if (c == kPlain[i])
            return QChar(kShifted[i]);
    }
    return c;
}

ScriptOutcome ScriptApplier::outcome() const {
    ScriptOutcome outcome = m_outcome;
    outcome.setCaret(m_buffer.position());
    return outcome;
}

// Typing replaces the selection and leaves the caret after what it typed; a removal leaves the
// caret where the removed text began. Either way the lengths before and after give the rest.
template <typename Edit>
bool ScriptApplier::edit(EditKind kind, Edit&& call) {
    const int lengthBefore = m_buffer.length();
    const int caretBefore = m_buffer.position();
    const int anchorBefore = m_buffer.anchor();
    const bool result = call();
    const int caret = m_buffer.position();
    // A paste of nothing, a cut of nothing: no edit at all.
    if (m_buffer.length() == lengthBefore && caret == caretBefore &&
        m_buffer.anchor() == anchorBefore)
        return result;
    const int selectionStart = std::min(caretBefore, anchorBefore);
    const int from = kind == EditKind::Typing ? selectionStart : caret;
    const int added = caret - from;
    m_outcome.recordEdit(from, lengthBefore - m_buffer.length() + added, added);
    return result;
}

void ScriptApplier::typeText(const QString& text) {
    edit(EditKind::Typing, [&] {
        m_buffer.insertText(text);
        return true;
    });
}

void ScriptApplier::typeCharacter(const ScriptToken& token) {
    const QChar c = token.modifiers.shift ? shifted(token.character) : token.character;
    // One insert for a repeat: the same as typing it count times, and cheap for large counts.
    typeText(QString(token.count, c));
}

void ScriptApplier::pressKey(const ScriptToken& token) {
    const bool shift = token.modifiers.shift;
    using Move = EditBuffer::Move;
    switch (token.key) {
        case ScriptKey::Enter:
            return typeText(QString(token.count, u'\n'));
        case ScriptKey::Tab:
            return typeText(QString(token.count, u'\t'));
        case ScriptKey::Left:
            return repeatMove(Move::Left, shift, token.count);
        case ScriptKey::Right:
            return repeatMove(Move::Right, shift, token.count);
        case ScriptKey::Up:
            return repeatMove(Move::LineUp, shift, token.count);
        case ScriptKey::Down:
            return repeatMove(Move::LineDown, shift, token.count);
        case ScriptKey::Home:
            return repeatMove(Move::LineStart, shift, token.count);
        case ScriptKey::End:
            return repeatMove(Move::LineEnd, shift, token.count);
        case ScriptKey::PageUp:
            return repeatMove(Move::PageUp, shift, token.count);
        case ScriptKey::PageDown:
            return repeatMove(Move::PageDown, shift, token.count);
        case ScriptKey::Backspace:
            for (int i = 0; i < token.count &&
                            edit(EditKind::Removal, [&] { return m_buffer.deleteBackward(); });
                 ++i) {
            }
            return;
        case ScriptKey::Delete:
            for (int i = 0; i < token.count &&
                            edit(EditKind::Removal, [&] { return m_buffer.deleteForward(); });
                 ++i) {
            }
            return;
        case ScriptKey::Escape:
        case ScriptKey::Insert:
        case ScriptKey::Other:
            return;
    }
}

void ScriptApplier::applyControlChord(const ScriptToken& token) {
    const bool shift = token.modifiers.shift;
    if (token.kind == ScriptToken::Kind::Key) {
        if (token.key == ScriptKey::Home)
            repeatMove(EditBuffer::Move::DocumentStart, shift, 1);
        else if (token.key == ScriptKey::End)
            repeatMove(EditBuffer::Move::DocumentEnd, shift, 1);
        return;
    }
    if (shift)
        return;
    // The clipboard chords. Only a single character can carry them, so there is no repeat.
    switch (token.character.toLower().unicode()) {
        case u'x':
            edit(EditKind::Removal, [&] {
                m_buffer.cut();
                return true;
            });
            break;
        case u'c':
            m_buffer.copy();
            break;
        case u'v':
            edit(EditKind::Typing, [&] {
                m_buffer.paste();
                return true;
            });
            break;
        case u'a':
            m_buffer.selectAll();
            break;
        default:
            break;
    }
}

// Presses a movement key up to `count` times; stops once the caret no longer moves.
void ScriptApplier::repeatMove(EditBuffer::Move move, bool extendSelection, int count) {
    for (int i = 0; i < count && m_buffer.move(move, extendSelection); ++i) {
    }
}
