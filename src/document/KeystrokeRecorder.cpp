#include "document/KeystrokeRecorder.h"

#include "editor/EditorBox.h"
#include "tags/InsertionStops.h"

#include <QCoreApplication>
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
    if (!m_taking || m_delivering || !m_editor)
        return false;
    switch (event->type()) {
        case QEvent::KeyPress:
            return watched == m_editor && takeKey(static_cast<QKeyEvent*>(event));
        case QEvent::InputMethod: {
            const auto* input = static_cast<QInputMethodEvent*>(event);
            if (watched != m_editor || input->commitString().isEmpty())
                return false;
            if (input->replacementLength() != 0 || !m_recording.addText(input->commitString())) {
                halt(QStringLiteral("the input method typed what a keystroke script cannot"));
                return false;
            }
            deliver(event);
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

// True when the key was recorded and handed to the editor here.
bool KeystrokeRecorder::takeKey(QKeyEvent* event) {
    switch (m_recording.addKey(event->key(), event->modifiers(), event->text())) {
        case KeystrokeRecording::Take::Ignored:
            return false;
        case KeystrokeRecording::Take::Refused:
            halt(KeystrokeRecording::keyName(event->key(), event->modifiers()) +
                 QStringLiteral(" cannot be written in a keystroke script"));
            return false;
        case KeystrokeRecording::Take::Recorded:
            break;
    }
    deliver(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Whatever the editor typed after the break (an indent) is part of what Enter did.
        const QTextCursor caret = m_editor->textCursor();
        if (!m_recording.addText(caret.block().text().left(caret.positionInBlock())))
            halt(QStringLiteral("Enter typed what a keystroke script cannot"));
    }
    return true;
}

void KeystrokeRecorder::deliver(QEvent* event) {
    m_delivering = true;
    QCoreApplication::sendEvent(m_editor, event);
    m_delivering = false;
}

void KeystrokeRecorder::noteOutsideChange(const QString& what) {
    if (m_taking && !m_delivering)
        halt(what);
}

void KeystrokeRecorder::halt(const QString& reason) {
    if (!m_taking)
        return;
    m_taking = false;
    emit halted(reason);
}
