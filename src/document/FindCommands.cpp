#include "document/FindCommands.h"

#include "app/MainFrame.h"
#include "document/DocumentWindow.h"
#include "document/EditorBox.h"
#include "document/FindDialog.h"
#include "document/FindEngine.h"

#include <QTextCursor>

namespace {

FindDialog& openDialog(MainFrame& frame) {
    QPointer<FindDialog>& dialog = frame.findDialog();
    if (!dialog)
        dialog = new FindDialog(
            frame.findState(), [&frame] { FindCommands::findNextMatch(frame); }, &frame);
    return *dialog;
}

}  // namespace

void FindCommands::find(MainFrame& frame, DocumentWindow& doc) {
    FindState& state = frame.findState();
    FindDialog& dialog = openDialog(frame);
    QString selected = doc.editor()->textCursor().selectedText();
    // A selection over several lines keeps its breaks as line feeds; it cannot match anyway.
    selected.replace(QChar::ParagraphSeparator, u'\n');
    dialog.setSearchText(selected.isEmpty() ? state.text : selected);
    state.firstTime = true;
    if (state.matchCase != 0)
        dialog.checkMatchCase();
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

void FindCommands::findNext(MainFrame& frame, DocumentWindow& doc) {
    if (frame.findState().text.isEmpty())
        find(frame, doc);
    else
        findNextMatch(frame);
}

void FindCommands::findNextMatch(MainFrame& frame) {
    DocumentWindow* doc = frame.activeDocument();
    if (!doc)
        return;
    EditorBox& box = *doc->editor();
    QTextCursor cursor = box.textCursor();
    FindState& state = frame.findState();
    const std::optional<FindMatch> match =
        FindEngine::findNext(state, *box.document(), cursor.selectionStart());
    if (!match) {
        frame.showMessage(FindEngine::notFoundMessage(state.text));
        return;
    }
    cursor.setPosition(int(match->start));
    cursor.setPosition(int(match->start + match->length), QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
    box.ensureCursorVisible();
}

void FindCommands::raiseDialog(MainFrame& frame) {
    if (FindDialog* dialog = frame.findDialog(); dialog && dialog->isVisible())
        dialog->raise();
}

void FindCommands::bindTo(DocumentWindow& doc) {
    MainFrame& frame = doc.frame();
    doc.bind(QStringLiteral("mnuSFind"), [&frame, &doc] { find(frame, doc); });
    doc.bind(QStringLiteral("mnuSFindNext"), [&frame, &doc] { findNext(frame, doc); });
    QObject::connect(doc.editor(), &EditorBox::focusReceived, &doc,
                     [&frame] { raiseDialog(frame); });
}
