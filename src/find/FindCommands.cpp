#include "find/FindCommands.h"

#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "find/FindDialog.h"
#include "find/FindEngine.h"
#include "ui/DialogService.h"

#include <QTextCursor>

FindCommands::FindCommands(FindState& state, DialogService& dialogs, QWidget* dialogParent,
                           ActiveDocument activeDocument)
    : m_state(state),
      m_dialogs(dialogs),
      m_dialogParent(dialogParent),
      m_activeDocument(std::move(activeDocument)) {}

FindDialog* FindCommands::dialog() const {
    return m_dialog;
}

FindDialog& FindCommands::openDialog() {
    if (!m_dialog)
        m_dialog = new FindDialog(
            m_state, [this] { findNextMatch(); }, m_dialogParent);
    return *m_dialog;
}

void FindCommands::find(DocumentWindow& doc) {
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

void FindCommands::findNext(DocumentWindow& doc) {
    if (m_state.text.isEmpty())
        find(doc);
    else
        findNextMatch();
}

void FindCommands::findNextMatch() {
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

void FindCommands::keepDialogInFront(DocumentWindow& doc) {
    QObject::connect(doc.editor(), &EditorBox::focusReceived, &doc, [this] {
        if (m_dialog && m_dialog->isVisible())
            m_dialog->raise();
    });
}
