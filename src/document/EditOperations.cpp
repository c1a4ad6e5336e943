#include "document/EditOperations.h"

#include "completion/MatchingTagHighlight.h"
#include "document/CommandHandlers.h"
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "tags/InsertionTarget.h"
#include "tags/ScriptText.h"
#include "tags/SurroundTag.h"
#include "text/LineColumn.h"
#include "ui/DialogService.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QLineEdit>
#include <QLocale>
#include <QTextCursor>

namespace {

// The selection as the clipboard gets it: block separators become line feeds.
QString selectedPlainText(const QTextCursor& cursor) {
    QString text = cursor.selectedText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

// A pasted CR LF or lone CR is one line break in the editor, like a line feed.
QString asEditorText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

void deleteIn(QPlainTextEdit& box) {
    QTextCursor cursor = box.textCursor();
    // A line break is one position, so one step removes a whole break.
    if (!cursor.hasSelection()) {
        if (cursor.atEnd())
            return;
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    }
    cursor.removeSelectedText();
    box.setTextCursor(cursor);
}

}  // namespace

void EditOperations::copySelection(EditorBox* box) {
    if (box)
        QGuiApplication::clipboard()->setText(selectedPlainText(box->textCursor()));
}

void EditOperations::cutSelection(EditorBox* box) {
    if (!box)
        return;
    QTextCursor cursor = box->textCursor();
    QGuiApplication::clipboard()->setText(selectedPlainText(cursor));
    cursor.removeSelectedText();
    box->setTextCursor(cursor);
}

void EditOperations::pasteClipboard(EditorBox* box) {
    if (!box)
        return;
    QTextCursor cursor = box->textCursor();
    // A clipboard without text gives an empty text, which still removes the selection.
    cursor.insertText(asEditorText(QGuiApplication::clipboard()->text()));
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
}

void EditOperations::deleteSelection(EditorBox* activeBox) {
    // Delete acts on whichever control has the keyboard focus.
    QWidget* focused = QApplication::focusWidget();
    if (auto* field = qobject_cast<QLineEdit*>(focused)) {
        field->del();
        return;
    }
    auto* box = qobject_cast<QPlainTextEdit*>(focused);
    if (!box && !focused)
        box = activeBox;
    if (box)
        deleteIn(*box);
}

void EditOperations::selectAll(EditorBox* box) {
    if (!box)
        return;
    QTextCursor shown = box->textCursor();
    shown.select(QTextCursor::Document);
    box->setTextCursor(shown);
    QTextCursor hidden(box->document());
    hidden.select(QTextCursor::Document);
    box->setHiddenCursor(hidden);
}

void EditOperations::goToPlace(QPlainTextEdit& box, const LineColumn& place) {
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(place.positionIn(*box.document()));
    box.setTextCursor(cursor);
    box.centerCursor();
}

void EditOperations::insertTimeDate(InsertionTarget& target) {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    const QString text = locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                         locale.toString(now.time(), QLocale::LongFormat);
    target.typeKeystrokeScript(scriptForLiteralText(text));
}

void EditOperations::routeKeys(DocumentWindow& doc) {
    const struct {
        Command command;
        QKeySequence::StandardKey keys;
    } routes[] = {
        {Command::EditUndo, QKeySequence::Undo},   {Command::EditRedo, QKeySequence::Redo},
        {Command::EditCut, QKeySequence::Cut},     {Command::EditCopy, QKeySequence::Copy},
        {Command::EditPaste, QKeySequence::Paste}, {Command::EditDelete, QKeySequence::Delete},
    };
    for (const auto& route : routes) {
        QAction* action = doc.action(route.command);
        for (const QKeySequence& keys : action->shortcuts())
            doc.editor()->routeKey(keys, action);
        // The platform's other keys for the same edit (Shift+Del, Ctrl+Ins...) go the same way.
        for (const QKeySequence& keys : QKeySequence::keyBindings(route.keys))
            doc.editor()->routeKey(keys, action);
    }
}

void EditOperations::bindCommands(CommandHandlers& commands, InsertionTarget& target,
                                  DialogService& dialogs, QWidget* dialogParent) {
    using C = Command;
    const auto onEditor = [&commands](Command id, void (*operation)(EditorBox*)) {
        commands.bind(
            id, [operation](DocumentWindow* doc) { operation(doc ? doc->editor() : nullptr); });
    };
    commands.bindForDocument(
        C::EditUndo, [](DocumentWindow& doc) { doc.editor()->undo(); }, nullptr,
        [](const CommandStatus& status) { return status.canUndo; });
    commands.bindForDocument(
        C::EditRedo, [](DocumentWindow& doc) { doc.editor()->redo(); }, nullptr,
        [](const CommandStatus& status) { return status.canRedo; });
    onEditor(C::EditCut, &cutSelection);
    onEditor(C::EditCopy, &copySelection);
    onEditor(C::EditPaste, &pasteClipboard);
    onEditor(C::EditDelete, &deleteSelection);
    onEditor(C::EditSelectAll, &selectAll);
    commands.bindForDocument(C::EditSurroundWithTag, [&dialogs, dialogParent](DocumentWindow& doc) {
        const std::optional<QString> typed = dialogs.askTag(dialogParent);
        if (const std::optional<TagPair> pair = typed ? tagPairFor(*typed) : std::nullopt)
            surroundSelection(doc.editor(), *pair);
    });
    commands.bindForDocument(
        C::EditWrapText, [](DocumentWindow& doc) { doc.switchWrap(); },
        [](const CommandStatus& status) { return status.wrapsText; });
    commands.bindForDocument(C::EditGoToMatchingTag,
                             [](DocumentWindow& doc) { goToMatchingTag(*doc.editor()); });
    commands.bind(C::InsertTimeDate, [&target](DocumentWindow*) { insertTimeDate(target); });
}
