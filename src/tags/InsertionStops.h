#pragma once

#include "tags/ScriptOutcome.h"
#include "tags/StopSession.h"
#include "tags/TextEditBuffer.h"

#include <QMetaObject>
#include <QObject>
#include <functional>

class QKeyEvent;
class QPlainTextEdit;

// Tab and Shift+Tab between the stops of the text that an insertion just typed into an editor.
//
// While the caret stays inside the inserted text, Tab goes to the next stop and Shift+Tab to the
// previous one; the end of the text is the last stop. Esc, a caret move or an edit outside the
// text, or the next insertion end it; without stops to go to, Tab types a tab as always.
//
// One per editor, made by the first insertion. Between insertions it only watches the editor's
// keys: it follows the caret and the document only while a session runs.
class InsertionStops : public QObject {
    Q_OBJECT
public:
    static InsertionStops& of(QPlainTextEdit* editor);

    // Types `script` as TextEditBuffer::typeScript does, then starts the stops of what it typed.
    // A piece that joins the previous undo step also joins the previous piece's text, so the
    // pieces of one command make one insertion.
    static ScriptOutcome typeScript(QPlainTextEdit* editor, const QString& script,
                                    TextEditBuffer::UndoStep step = TextEditBuffer::UndoStep::New);

    // Types `text` as it stands (script characters and all) as one insertion and puts the caret
    // at its first stop, so the user starts filling it in at once.
    static ScriptOutcome typeStructure(
        QPlainTextEdit* editor, const QString& text,
        TextEditBuffer::UndoStep step = TextEditBuffer::UndoStep::New);
    // Runs `typeInsertion`, which types one insertion whose pieces join the current undo step,
    // without typing over the selection: the selected text is taken out first and put back,
    // still selected, where the insertion leaves the caret, and the stops cover it. Without a
    // selection it only runs `typeInsertion`. True when there was a selection to keep.
    static bool keepSelectionAround(QPlainTextEdit* editor,
                                    const std::function<void()>& typeInsertion);

    // Starts the stops of the text that `outcome` reports typed (with `joinsPrevious`, together
    // with the text of the running session). Nothing starts when no text was typed or when the
    // caret was left outside it.
    void startAfter(const ScriptOutcome& outcome, bool joinsPrevious);
    void end();
    const StopSession& session() const { return m_session; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit InsertionStops(QPlainTextEdit* editor);
    void beginSession(int from, int to, int caret);
    void putBack(const QString& kept);
    bool handleKey(const QKeyEvent* event);
    void moveCaretTo(int position);
    void caretMoved();
    void documentChanged(int position, int removed);
    void follow(bool on);

    QPlainTextEdit* m_editor;
    StopSession m_session;
    bool m_typing = false;
    QMetaObject::Connection m_caretWatch;
    QMetaObject::Connection m_editWatch;
};
