#include "find/DocumentSearch.h"

#include "document/CommandHandlers.h"
#include "document/DocumentWindow.h"
#include "document/EditOperations.h"
#include "editor/EditorBox.h"
#include "find/FindDialog.h"
#include "find/FindEngine.h"
#include "find/ReplaceDialog.h"
#include "ui/DialogService.h"

#include <QTextCursor>

DocumentSearch::DocumentSearch(FindState& state, DialogService& dialogs, QWidget* dialogParent,
                               ActiveDocument activeDocument)
    : m_state(state),
      m_dialogs(dialogs),
      m_dialogParent(dialogParent),
      m_activeDocument(std::move(activeDocument)) {}

FindDialog* DocumentSearch::dialog() const {
    return m_dialog;
}

FindDialog& DocumentSearch::openDialog() {
    if (!m_dialog)
        m_dialog = new FindDialog(
            m_state, [this] { findNextMatch(); }, m_dialogParent);
    return *m_dialog;
}

void DocumentSearch::find(DocumentWindow& doc) {
    FindDialog& dialog = openDialog();
    QString selected = doc.editor()->textCursor().selectedText();
    // A selection over several lines keeps its breaks as line feeds; it cannot match anyway.
    selected.replace(QChar::ParagraphSeparator, u'\n');
    dialog.setSearchText(selected.isEmpty() ? m_state.text : selected);
    m_state.firstTime = true;
    if (m_state.matchCase != 0)
        dialog.checkMatchCase();
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

void DocumentSearch::findNext(DocumentWindow& doc) {
    if (m_state.text.isEmpty())
        find(doc);
    else
        findNextMatch();
}

void DocumentSearch::findNextMatch() {
    DocumentWindow* doc = m_activeDocument();
    if (!doc)
        return;
    EditorBox& box = *doc->editor();
    QTextCursor cursor = box.textCursor();
    const std::optional<FindMatch> match =
        FindEngine::findNext(m_state, *box.document(), cursor.selectionStart());
    if (!match) {
        m_dialogs.showNote(m_dialogParent, FindEngine::notFoundMessage(m_state.text));
        return;
    }
    cursor.setPosition(int(match->start));
    cursor.setPosition(int(match->start + match->length), QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
    box.ensureCursorVisible();
}

void DocumentSearch::keepDialogInFront(DocumentWindow& doc) {
    QObject::connect(doc.editor(), &EditorBox::focusReceived, &doc, [this] {
        if (m_dialog && m_dialog->isVisible())
            m_dialog->raise();
    });
}

void DocumentSearch::replace(DocumentWindow& doc) {
    if (!m_replace) {
        m_replace = new ReplaceDialog(
            [this]() -> QPlainTextEdit* {
                DocumentWindow* active = m_activeDocument();
                return active ? active->editor() : nullptr;
            },
            m_dialogParent);
        QObject::connect(m_replace, &ReplaceDialog::replacedAll, m_replace,
                         [this](int count) { m_showNote(ReplaceDialog::replacedText(count)); });
    }
    // A selection within one line is what the user most likely wants to replace.
    const QString selected = doc.editor()->textCursor().selectedText();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
        m_replace->setFindText(selected);
    m_replace->show();
    m_replace->raise();
    m_replace->activateWindow();
    m_replace->focusFindText();
}

void DocumentSearch::goToLine(DocumentWindow& doc) {
    EditorBox& editor = *doc.editor();
    if (const auto place = m_dialogs.showGoToLine(m_dialogParent, editor.blockCount()))
        EditOperations::goToPlace(editor, *place);
}

void DocumentSearch::bindCommands(CommandHandlers& commands, StatusNote showNote) {
    m_showNote = std::move(showNote);
    commands.bindForDocument(Command::EditFind, [this](DocumentWindow& doc) { find(doc); });
    commands.bindForDocument(Command::EditFindNext, [this](DocumentWindow& doc) { findNext(doc); });
    commands.bindForDocument(Command::EditReplace, [this](DocumentWindow& doc) { replace(doc); });
    commands.bindForDocument(Command::EditGoToLine, [this](DocumentWindow& doc) { goToLine(doc); });
}
