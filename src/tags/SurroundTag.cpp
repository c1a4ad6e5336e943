#include "tags/SurroundTag.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

bool isNameCharacter(QChar c) {
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u':' || c == u'.';
}

QStringView withoutBrackets(QStringView text) {
    text = text.trimmed();
    if (text.startsWith(u'<'))
        text = text.mid(1);
    if (text.endsWith(u'>'))
        text.chop(1);
    return text.trimmed();
}

}  // namespace

std::optional<TagPair> tagPairFor(QStringView typed) {
    const QStringView tag = withoutBrackets(typed);
    if (tag.isEmpty() || !tag.front().isLetter())
        return std::nullopt;
    qsizetype nameEnd = 0;
    while (nameEnd < tag.size() && isNameCharacter(tag[nameEnd]))
        ++nameEnd;
    if (nameEnd < tag.size() && !tag[nameEnd].isSpace())
        return std::nullopt;
    const QString name = tag.left(nameEnd).toString();
    const QStringView attributes = tag.mid(nameEnd).trimmed();
    const QString opening = attributes.isEmpty()
                                ? QStringLiteral("<%1>").arg(name)
                                : QStringLiteral("<%1 %2>").arg(name, attributes.toString());
    return TagPair{opening, QStringLiteral("</%1>").arg(name)};
}

void surroundSelection(QPlainTextEdit* editor, const TagPair& pair) {
    QTextCursor cursor = editor->textCursor();
    const bool caretFirst = cursor.position() < cursor.anchor();
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    cursor.beginEditBlock();
    cursor.setPosition(end);
    cursor.insertText(pair.closing);
    cursor.setPosition(start);
    cursor.insertText(pair.opening);
    cursor.endEditBlock();
    // The wrapped text stays selected, the caret at the end where it was.
    const int innerStart = start + int(pair.opening.size());
    const int innerEnd = end + int(pair.opening.size());
    cursor.setPosition(caretFirst ? innerEnd : innerStart);
    cursor.setPosition(caretFirst ? innerStart : innerEnd, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    editor->ensureCursorVisible();
}
