#include "recovery/JournalText.h"

#include <QTextBlock>
#include <QTextCursor>

#include "document/DocumentText.h"

// DocumentText keeps a break's line-end kind as the object type of its separator's character
// format: the separator before a block, whose format is the block's character format.
int JournalText::lineEndMark(const QTextBlock& block) {
    return block.position() > 0 ? block.charFormat().objectType() : 0;
}

void JournalText::setLineEndMark(QTextBlock& block, int mark) {
    if (block.position() == 0 || block.charFormat().objectType() == mark)
        return;
    QTextCursor separator(block);
    separator.setPosition(block.position() - 1, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    if (mark != 0)
        format.setObjectType(mark);
    separator.setCharFormat(format);
}

std::optional<QByteArray> JournalText::encode(const QTextDocument& document,
                                              const TextFormat& format, QString* error) {
    return DocumentText::save(document, format, error);
}

TextFormat JournalText::restore(QTextDocument& document, const QByteArray& bytes) {
    return DocumentText::load(document, bytes);
}
