#include "document/EditorBox.h"

#include "document/EditorTextLayout.h"

#include <QAction>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>

EditorBox::EditorBox(QWidget* parent) : QPlainTextEdit(parent) {
    auto* text = new QTextDocument(this);
    text->setDocumentLayout(new EditorTextLayout(text));
    setDocument(text);
    m_hiddenCursor = QTextCursor(text);
    setLineWrapMode(WidgetWidth);
    viewport()->setMouseTracking(true);
}

void EditorBox::switchBox() {
    const QTextCursor shown = textCursor();
    setLineWrapMode(wraps() ? NoWrap : WidgetWidth);
    if (m_hiddenCursor.document() != document())
        m_hiddenCursor = QTextCursor(document());
    setTextCursor(m_hiddenCursor);
    m_hiddenCursor = shown;
}

qint64 EditorBox::documentLength(int lineEndLength) const {
    const QTextDocument* doc = document();
    const qint64 lineBreaks = doc->blockCount() - 1;
    return doc->characterCount() - 1 + lineBreaks * (lineEndLength - 1);
}

qint64 EditorBox::selectionLength(int lineEndLength) const {
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return 0;
    const QTextDocument* doc = document();
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    const qint64 lineBreaks =
        doc->findBlock(end).blockNumber() - doc->findBlock(start).blockNumber();
    return end - start + lineBreaks * (lineEndLength - 1);
}

QRectF EditorBox::shownRect(const QTextBlock& block) const {
    return blockBoundingGeometry(block).translated(contentOffset());
}

void EditorBox::routeKey(const QKeySequence& keys, QAction* command) {
    m_keyRoutes.append({keys, command});
}

QAction* EditorBox::routedCommand(const QKeyEvent* event) const {
    // The keypad's Del is the same key as the main block's.
    const QKeySequence pressed(
        QKeyCombination(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key())));
    for (const KeyRoute& route : m_keyRoutes) {
        if (route.keys == pressed && route.command && route.command->isEnabled())
            return route.command;
    }
    return nullptr;
}

bool EditorBox::event(QEvent* event) {
    // Claiming the key here keeps both the editor's own shortcut handling and the menu's
    // shortcut from seeing it; the key press then arrives in keyPressEvent.
    if (event->type() == QEvent::ShortcutOverride &&
        routedCommand(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QPlainTextEdit::event(event);
}

void EditorBox::keyPressEvent(QKeyEvent* event) {
    if (QAction* command = routedCommand(event)) {
        command->trigger();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void EditorBox::keyReleaseEvent(QKeyEvent* event) {
    QPlainTextEdit::keyReleaseEvent(event);
    emit keyReleased();
}

void EditorBox::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    emit mouseReleased();
}

void EditorBox::mouseMoveEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseMoveEvent(event);
    emit mouseMoved();
}

void EditorBox::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    emit focusReceived();
}

void EditorBox::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText())
        return;
    QTextCursor cursor = textCursor();
    cursor.insertText(source->text());
    setTextCursor(cursor);
    ensureCursorVisible();
}
