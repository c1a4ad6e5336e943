#include "completion/TagCompleter.h"

#include "completion/CompletionPopup.h"
#include "completion/CompletionScript.h"
#include "completion/DocumentMarkupText.h"
#include "html/CompletionList.h"
#include "tags/InsertionStops.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>

TagCompleter::TagCompleter(QPlainTextEdit& editor, QObject* parent)
    : QObject(parent), m_editor(editor) {
    connect(editor.document(), &QTextDocument::contentsChange, this,
            [this](int position) { m_openElements.textChanged(position); });
}

void TagCompleter::discard() {
    close();
    delete m_popup;
}

bool TagCompleter::isShown() const {
    return m_popup && m_popup->isVisible();
}

bool TagCompleter::handleKey(const QKeyEvent& event) {
    if (!isShown())
        return false;
    const auto modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier)
        return false;
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
            accept();
            return true;
        case Qt::Key_Escape:
            close();
            return true;
        default:
            return m_popup->moveChoice(event.key());
    }
}

void TagCompleter::beforeKey() {
    if (!isShown())
        return;
    m_inKey = true;
    // Another filter may take the key before the editor does, and then afterKey() never comes.
    QMetaObject::invokeMethod(
        this, [this] { m_inKey = false; }, Qt::QueuedConnection);
}

void TagCompleter::afterKey(bool typedText) {
    m_inKey = false;
    if (isShown() || typedText)
        showAtCaret(false);
}

void TagCompleter::openByHand() {
    showAtCaret(true);
}

bool TagCompleter::showAtCaret(bool byHand) {
    const QTextCursor caret = m_editor.textCursor();
    CompletionContext context;
    if (!caret.hasSelection())
        context = completionContextAt(DocumentMarkupText(*m_editor.document()), caret.position(),
                                      &m_openElements);
    // Typing opens the list after "<" and a letter; a bare "<" only by hand.
    const bool bareStart =
        context.kind == CompletionContext::Kind::Element && context.typed.isEmpty();
    m_entries = bareStart && !byHand ? QList<HtmlEntry>() : completionsFor(context);
    if (m_entries.isEmpty()) {
        close();
        return false;
    }
    m_context = context;
    if (!m_popup) {
        m_popup = new CompletionPopup(m_editor);
        connect(m_popup, &CompletionPopup::picked, this, &TagCompleter::accept);
    }
    m_popup->showEntries(m_entries, context.replaceStart);
    follow(true);
    return true;
}

void TagCompleter::close() {
    follow(false);
    if (m_popup)
        m_popup->hide();
}

void TagCompleter::accept() {
    const int row = m_popup ? m_popup->currentRow() : -1;
    if (!isShown() || row < 0 || row >= m_entries.size())
        return close();
    const QString script = completionScript(m_context, m_entries[row]);
    close();
    QTextCursor replaced = m_editor.textCursor();
    replaced.setPosition(m_context.replaceStart);
    replaced.setPosition(m_context.replaceEnd, QTextCursor::KeepAnchor);
    m_editor.setTextCursor(replaced);
    InsertionStops::typeScript(&m_editor, script);
}

// While the list shows, a click, a scroll or an edit that no key made (an undo from the menu, a
// script) closes it; keys refilter it through afterKey().
void TagCompleter::follow(bool on) {
    for (const QMetaObject::Connection& watch : std::as_const(m_watches))
        disconnect(watch);
    m_watches.clear();
    if (!on)
        return;
    const auto watch = [this](const auto* sender, auto signal) {
        m_watches << connect(sender, signal, this, &TagCompleter::closeUnlessInKey);
    };
    watch(&m_editor, &QPlainTextEdit::cursorPositionChanged);
    watch(m_editor.verticalScrollBar(), &QScrollBar::valueChanged);
    watch(m_editor.horizontalScrollBar(), &QScrollBar::valueChanged);
}

void TagCompleter::closeUnlessInKey() {
    if (!m_inKey)
        close();
}
