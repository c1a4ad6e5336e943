#include "completion/TypingAids.h"

#include "completion/MatchingTagHighlight.h"
#include "completion/TagAutoCloser.h"
#include "completion/TagCompleter.h"
#include "editor/EditorBox.h"

#include <QKeyEvent>
#include <QTextDocument>

TypingAids::TypingAids(EditorBox& editor)
    : QObject(editor.document()),
      m_editor(editor),
      m_document(editor.document()),
      m_completer(new TagCompleter(editor, this)),
      m_highlight(new MatchingTagHighlight(editor, this)) {
    setObjectName(QStringLiteral("typing_aids"));
    editor.installEventFilter(this);
    connect(&editor, &EditorBox::keyPressHandled, this, &TypingAids::afterKey);
    connect(editor.document(), &QTextDocument::contentsChange, this, &TypingAids::noteChange);
}

TypingAids::~TypingAids() {
    // When the editor goes, its document has gone first and the editor takes its own children;
    // only when switched off while the editor stays is there anything to take away.
    if (!m_document)
        return;
    m_editor.removeEventFilter(this);
    m_completer->discard();
    m_highlight->clear();
}

void TypingAids::apply(bool completion, bool autoClose) {
    m_completion = completion;
    m_autoClose = autoClose;
    if (!completion)
        m_completer->close();
}

bool TypingAids::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_editor)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // The list's keys and Ctrl+Space are the editor's while it may use them.
            if (isCompletionKey(*static_cast<QKeyEvent*>(event))) {
                event->accept();
                return true;
            }
            break;
        case QEvent::KeyPress: {
            const auto& key = *static_cast<QKeyEvent*>(event);
            if (m_completion && isCtrlSpace(key)) {
                m_completer->openByHand();
                takeListKeysFirst();
                return true;
            }
            if (m_completion && m_completer->handleKey(key))
                return true;
            beforeKey(key);
            break;
        }
        case QEvent::FocusOut:
            m_completer->close();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

bool TypingAids::isCompletionKey(const QKeyEvent& event) const {
    if (!m_completion)
        return false;
    if (isCtrlSpace(event))
        return true;
    if (!m_completer->isShown() || (event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    switch (event.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Escape:
            return true;
        default:
            return false;
    }
}

bool TypingAids::isCtrlSpace(const QKeyEvent& event) {
    return event.key() == Qt::Key_Space &&
           (event.modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

QString TypingAids::typedText(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty() || !text[0].isPrint() ||
        (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return {};
    return text;
}

void TypingAids::beforeKey(const QKeyEvent& event) {
    m_key = {true, typedText(event), -1, 0};
    m_completer->beforeKey();
}

// While the list shows, its keys come here before any other filter of the editor sees them (the
// insertion stops' Tab): the filter installed last is asked first.
void TypingAids::takeListKeysFirst() {
    if (m_completer->isShown())
        m_editor.installEventFilter(this);
}

void TypingAids::noteChange(int from, int, int added) {
    if (m_key.active && m_key.from < 0) {
        m_key.from = from;
        m_key.added = added;
    }
}

void TypingAids::afterKey() {
    const KeyInFlight key = m_key;
    m_key = {};
    // The key typed its text, and nothing else, just before the caret.
    const bool typed = key.active && !key.text.isEmpty() && key.added == key.text.size() &&
                       key.from + key.added == m_editor.textCursor().position();
    if (typed && m_autoClose && closeTagAfterTyping(m_editor)) {
        m_completer->close();
        return;
    }
    if (m_completion) {
        m_completer->afterKey(typed);
        takeListKeysFirst();
    }
}
