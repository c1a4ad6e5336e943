#include "tags/InsertionStops.h"

#include "tags/InsertionStopFinder.h"
#include "tags/ScriptText.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QTextDocument>
#include <algorithm>

InsertionStops::InsertionStops(QPlainTextEdit* editor) : QObject(editor), m_editor(editor) {
    setObjectName(QStringLiteral("insertion_stops"));
    editor->installEventFilter(this);
}

InsertionStops& InsertionStops::of(QPlainTextEdit* editor) {
    if (auto* stops = editor->findChild<InsertionStops*>(QString(), Qt::FindDirectChildrenOnly))
        return *stops;
    return *new InsertionStops(editor);
}

ScriptOutcome InsertionStops::typeScript(QPlainTextEdit* editor, const QString& script,
                                         TextEditBuffer::UndoStep step) {
    InsertionStops& stops = of(editor);
    ScriptOutcome outcome;
    {
        // The script's own edits and caret moves are not the user's.
        stops.m_typing = true;
        const auto done = qScopeGuard([&stops] { stops.m_typing = false; });
        outcome = TextEditBuffer::typeScript(editor, script, step);
    }
    stops.startAfter(outcome, step == TextEditBuffer::UndoStep::JoinPrevious);
    return outcome;
}

ScriptOutcome InsertionStops::typeStructure(QPlainTextEdit* editor, const QString& text,
                                            TextEditBuffer::UndoStep step) {
    ScriptOutcome outcome = typeScript(editor, scriptForLiteralText(text), step);
    InsertionStops& stops = of(editor);
    if (!stops.m_session.isActive())
        return outcome;
    const int first = stops.m_session.stops().constFirst();
    stops.m_typing = true;
    const auto done = qScopeGuard([&stops] { stops.m_typing = false; });
    stops.moveCaretTo(first);
    outcome.setCaret(first);
    return outcome;
}

bool InsertionStops::keepSelectionAround(QPlainTextEdit* editor,
                                         const std::function<void()>& typeInsertion) {
    QTextCursor cursor = editor->textCursor();
    if (!cursor.hasSelection()) {
        typeInsertion();
        return false;
    }
    InsertionStops& stops = of(editor);
    const QString kept = cursor.selectedText();
    {
        stops.m_typing = true;
        const auto done = qScopeGuard([&stops] { stops.m_typing = false; });
        cursor.beginEditBlock();
        cursor.removeSelectedText();
        cursor.endEditBlock();
        editor->setTextCursor(cursor);
    }
    stops.end();
    typeInsertion();
    stops.putBack(kept);
    return true;
}

// Puts the kept text in at the caret, in the same undo step, selects it and starts the stops
// over the insertion with it.
void InsertionStops::putBack(const QString& kept) {
    QTextCursor cursor = m_editor->textCursor();
    const int at = cursor.position();
    const bool inside = m_session.covers(at);
    int from = inside ? m_session.textStart() : at;
    int to = (inside ? m_session.textEnd() : at) + int(kept.size());
    end();
    m_typing = true;
    const auto done = qScopeGuard([this] { m_typing = false; });
    cursor.joinPreviousEditBlock();
    cursor.insertText(kept);
    cursor.endEditBlock();
    cursor.setPosition(at);
    cursor.setPosition(at + int(kept.size()), QTextCursor::KeepAnchor);
    m_editor->setTextCursor(cursor);
    m_editor->ensureCursorVisible();
    beginSession(from, to, at + int(kept.size()));
}

void InsertionStops::startAfter(const ScriptOutcome& outcome, bool joinsPrevious) {
    // A later piece of the same command extends the text of the running session.
    const bool extends = joinsPrevious && m_session.isActive();
    int from = extends ? m_session.textStart() : outcome.start();
    int to = extends ? m_session.textEnd() : outcome.end();
    if (extends && outcome.typedText()) {
        from = std::min(from, outcome.start());
        to = std::max(to, outcome.end());
    }
    end();
    const int caret = outcome.caret();
    if (to > from && caret >= from && caret <= to)
        beginSession(from, to, caret);
}

void InsertionStops::beginSession(int from, int to, int caret) {
    QTextCursor text(m_editor->document());
    text.setPosition(from);
    text.setPosition(to, QTextCursor::KeepAnchor);
    QList<int> stops = findInsertionStops(text.selectedText(), caret - from);
    for (int& stop : stops)
        stop += from;
    m_session.begin(m_editor->document(), from, to, stops);
    follow(true);
}

void InsertionStops::end() {
    m_session.end();
    follow(false);
    QMetaObject::invokeMethod(
        this, [this] { m_session.release(); }, Qt::QueuedConnection);
}

// Connected only while a session runs, so typing between insertions costs nothing here.
void InsertionStops::follow(bool on) {
    disconnect(m_caretWatch);
    disconnect(m_editWatch);
    if (!on)
        return;
    m_caretWatch = connect(m_editor, &QPlainTextEdit::cursorPositionChanged, this,
                           &InsertionStops::caretMoved);
    m_editWatch = connect(m_editor->document(), &QTextDocument::contentsChange, this,
                          &InsertionStops::documentChanged);
}

bool InsertionStops::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_editor && event->type() == QEvent::KeyPress && m_session.isActive())
        return handleKey(static_cast<QKeyEvent*>(event));
    return QObject::eventFilter(watched, event);
}

// True when the key was used here and the editor must not see it.
bool InsertionStops::handleKey(const QKeyEvent* event) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int caret = m_editor->textCursor().position();
    std::optional<int> target;
    const bool tab = event->key() == Qt::Key_Tab && modifiers == Qt::NoModifier;
    // Shift+Tab arrives as Backtab from the keyboard, as Tab with Shift from synthetic events.
    const bool backTab = (event->key() == Qt::Key_Backtab || event->key() == Qt::Key_Tab) &&
                         modifiers == Qt::ShiftModifier;
    if (tab)
        target = m_session.stopAfter(caret);
    else if (backTab)
        target = m_session.stopBefore(caret);
    else if (event->key() == Qt::Key_Escape)
        end();
    else
        return false;
    if (!target) {
        // Past the last stop, Tab is the plain key again; Shift+Tab before the first does nothing.
        if (tab)
            end();
        return backTab;
    }
    moveCaretTo(*target);
    return true;
}

void InsertionStops::moveCaretTo(int position) {
    QTextCursor cursor = m_editor->textCursor();
    cursor.setPosition(position);
    m_editor->setTextCursor(cursor);
    m_editor->ensureCursorVisible();
}

void InsertionStops::caretMoved() {
    if (m_typing)
        return;
    const QTextCursor cursor = m_editor->textCursor();
    if (!m_session.covers(cursor.position()) || !m_session.covers(cursor.anchor()))
        end();
}

void InsertionStops::documentChanged(int position, int removed) {
    if (m_typing)
        return;
    m_session.noteEdit(position, removed);
    if (!m_session.isActive())
        end();
}
