#include "document/EditCommands.h"

#include "app/MainFrame.h"
#include "document/DocumentWindow.h"
#include "document/EditorBox.h"
#include "tags/ScriptText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QLineEdit>
#include <QLocale>
#include <QTextCursor>

namespace {

EditorBox* activeBox(MainFrame& frame) {
    DocumentWindow* doc = frame.activeDocument();
    return doc ? doc->editor() : nullptr;
}

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

void EditCommands::copySelection(MainFrame& frame) {
    if (EditorBox* box = activeBox(frame))
        QGuiApplication::clipboard()->setText(selectedPlainText(box->textCursor()));
}

void EditCommands::cutSelection(MainFrame& frame) {
    EditorBox* box = activeBox(frame);
    if (!box)
        return;
    QTextCursor cursor = box->textCursor();
    QGuiApplication::clipboard()->setText(selectedPlainText(cursor));
    cursor.removeSelectedText();
    box->setTextCursor(cursor);
}

void EditCommands::pasteClipboard(MainFrame& frame) {
    EditorBox* box = activeBox(frame);
    if (!box)
        return;
    QTextCursor cursor = box->textCursor();
    // A clipboard without text gives an empty text, which still removes the selection.
    cursor.insertText(asEditorText(QGuiApplication::clipboard()->text()));
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
}

void EditCommands::deleteSelection(MainFrame& frame) {
    // Delete acts on whichever control has the keyboard focus.
    QWidget* focused = QApplication::focusWidget();
    if (auto* field = qobject_cast<QLineEdit*>(focused)) {
        field->del();
        return;
    }
    auto* box = qobject_cast<QPlainTextEdit*>(focused);
    if (!box && !focused)
        box = activeBox(frame);
    if (box)
        deleteIn(*box);
}

void EditCommands::selectAll(MainFrame& frame) {
    EditorBox* box = activeBox(frame);
    if (!box)
        return;
    QTextCursor shown = box->textCursor();
    shown.select(QTextCursor::Document);
    box->setTextCursor(shown);
    QTextCursor hidden(box->document());
    hidden.select(QTextCursor::Document);
    box->setHiddenCursor(hidden);
}

void EditCommands::insertTimeDate(MainFrame& frame) {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    const QString text = locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                         locale.toString(now.time(), QLocale::LongFormat);
    frame.typeKeystrokeScript(scriptForLiteralText(text));
}

void EditCommands::bindTo(DocumentWindow& doc) {
    MainFrame& frame = doc.frame();
    const struct {
        const char* name;
        void (*command)(MainFrame&);
        QKeySequence::StandardKey keys;
    } entries[] = {
        {"mnuECut", cutSelection, QKeySequence::Cut},
        {"mnuECopy", copySelection, QKeySequence::Copy},
        {"mnuEPaste", pasteClipboard, QKeySequence::Paste},
        {"mnuEDelete", deleteSelection, QKeySequence::Delete},
    };
    for (const auto& entry : entries) {
        const QString name = QLatin1String(entry.name);
        doc.bind(name, [&frame, command = entry.command] { command(frame); });
        QAction* action = doc.action(name);
        doc.editor()->routeKey(action->shortcut(), action);
        // The platform's other keys for the same edit (Shift+Del, Ctrl+Ins...) go the same way.
        for (const QKeySequence& keys : QKeySequence::keyBindings(entry.keys))
            doc.editor()->routeKey(keys, action);
    }
    doc.bind(QStringLiteral("mnuESelectAll"), [&frame] { selectAll(frame); });
    doc.bind(QStringLiteral("mnuETime"), [&frame] { insertTimeDate(frame); });
}
