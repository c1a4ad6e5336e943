#include "recovery/JournalText.h"

int JournalText::breakMark(const QTextBlock& blockAfterTheBreak) {
    return DocumentText::breakMark(blockAfterTheBreak);
}

bool JournalText::mayHaveMarks(const QTextDocument& document) {
    return DocumentText::mayHaveMarks(document);
}
