#include "completion/TagAutoCloser.h"

#include "completion/DocumentMarkupText.h"
#include "html/AutoClose.h"

#include <QPlainTextEdit>

bool closeTagAfterTyping(QPlainTextEdit& editor) {
    QTextCursor cursor = editor.textCursor();
    if (cursor.hasSelection())
        return false;
    const int caret = cursor.position();
    const std::optional<AutoCloseEdit> edit =
        autoCloseAfterTyping(DocumentMarkupText(*editor.document()), caret);
    if (!edit)
        return false;
    // An edit block of its own: typing merges with the keys typed before it, this does not.
    cursor.beginEditBlock();
    cursor.insertText(edit->text);
    cursor.endEditBlock();
    if (!edit->caretAfter)
        cursor.setPosition(caret);
    editor.setTextCursor(cursor);
    return true;
}
