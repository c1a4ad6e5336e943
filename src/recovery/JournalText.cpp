#include "recovery/JournalText.h"

#include "recovery/JournalEntry.h"

int JournalText::breakMark(const QTextBlock& blockAfterTheBreak) {
    return DocumentText::breakMark(blockAfterTheBreak);
}

bool JournalText::mayHaveMarks(const QTextDocument& document) {
    return DocumentText::mayHaveMarks(document);
}

TextFormat JournalText::restore(QTextDocument& document, const JournalEntry& entry) {
    DocumentText::load(document, entry.bytes, entry.keptFormat());
    return entry.format;
}
