#include "editor/AutoIndent.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

QString AutoIndent::leadingBlanks(const QString& line, int column) {
    const int limit = qMin(column, int(line.size()));
    int end = 0;
    while (end < limit && (line.at(end) == u' ' || line.at(end) == u'\t'))
        ++end;
    return line.left(end);
}

bool AutoIndent::breakLine(QTextCursor& cursor) {
    const QTextBlock line = cursor.document()->findBlock(cursor.selectionStart());
    const QString blanks = leadingBlanks(line.text(), cursor.selectionStart() - line.position());
    if (blanks.isEmpty())
        return false;
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    const int at = cursor.position();
    // The blanks go in first and the break before them: a step that ends with a break is not
    // joined by the characters typed next, so Undo takes back the typing and the break apart,
    // as it does after a plain Enter.
    cursor.insertText(blanks);
    cursor.setPosition(at);
    cursor.insertBlock();
    cursor.endEditBlock();
    cursor.setPosition(at + 1 + int(blanks.size()));
    return true;
}
