#include "document/KeystrokeRecorder.h"

#include "editor/EditorBox.h"
#include "tags/InsertionStops.h"
#include "tags/TextEditBuffer.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTextBlock>

KeystrokeRecorder::KeystrokeRecorder(EditorBox& editor) : m_editor(&editor) {
    // Tab goes to the stops of an insertion made before the recording: a script cannot do that.
    InsertionStops::of(&editor).end();
    editor.installEventFilter(this);
    editor.viewport()->installEventFilter(this);
    connect(editor.document(), &QTextDocument::contentsChange, this,
            [this] { noteOutsideChange(QStringLiteral("the text was changed by a command")); });
    connect(&editor, &QPlainTextEdit::cursorPositionChanged, this,
            [this] { noteOutsideChange(QStringLiteral("the caret was moved by a command")); });
    connect(&editor, &QObject::destroyed, this,
            [this] { halt(QStringLiteral("the document was closed")); });
}

KeystrokeRecorder::~KeystrokeRecorder() {
    if (m_editor) {
        m_editor->removeEventFilter(this);
        m_editor->viewport()->removeEventFilter(this);
    }
}

bool KeystrokeRecorder::eventFilter(QObject* watched, QEvent* event) {
    if (!m_taking || m_typing || !m_editor)
        return false;
    switch (event->type()) {
        case QEvent::KeyPress:
            return watched == m_editor && takeKey(static_cast<QKeyEvent*>(event));
        case QEvent::InputMethod: {
            const auto* input = static_cast<QInputMethodEvent*>(event);
            if (watched != m_editor || input->commitString().isEmpty())
                return false;
            KeystrokeRecording piece;
            if (input->replacementLength() != 0 || !piece.addText(input->commitString())) {
                halt(QStringLiteral("the input method typed what a keystroke script cannot"));
                return false;
            }
            type(piece);
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            halt(QStringLiteral("the mouse was clicked in the text"));
            return false;
        default:
            return false;
    }
}

// True when the key was recorded and typed here.
bool KeystrokeRecorder::takeKey(QKeyEvent* event) {
    KeystrokeRecording piece;
    switch (piece.addKey(event->key(), event->modifiers(), event->text())) {
        case KeystrokeRecording::Take::Ignored:
            return false;
        case KeystrokeRecording::Take::Refused:
            halt(KeystrokeRecording::keyName(event->key(), event->modifiers()) +
                 QStringLiteral(" cannot be written in a keystroke script"));
            return false;
        case KeystrokeRecording::Take::Recorded:
            break;
    }
    type(piece);
    return true;
}

// The key goes in as its piece of script does when the entry is chosen, not as the editor
// would take it: the completion list, added end tags and indents never act on a script, so
// what the user sees while recording is what the entry will type.
void KeystrokeRecorder::type(const KeystrokeRecording& piece) {
    m_recording.append(piece);
    m_typing = true;
    TextEditBuffer::typeScript(m_editor, piece.script());
    m_editor->ensureCursorVisible();
    m_typing = false;
}

void KeystrokeRecorder::noteOutsideChange(const QString& what) {
    if (m_taking && !m_typing)
        halt(what);
}

void KeystrokeRecorder::halt(const QString& reason) {
    if (!m_taking)
        return;
    m_taking = false;
    emit halted(reason);
}
