#include "recovery/JournalText.h"

#include <QTextBlock>

#include "document/DocumentText.h"

int JournalText::lineEndMark(const QTextBlock& block) {
    return block.userState();
}

void JournalText::setLineEndMark(QTextBlock& block, int mark) {
    block.setUserState(mark);
}

std::optional<QByteArray> JournalText::encode(const QTextDocument& document,
                                              const TextFormat& format, QString* error) {
    return DocumentText::save(document, format, error);
}

TextFormat JournalText::restore(QTextDocument& document, const QByteArray& bytes) {
    return DocumentText::load(document, bytes);
}
