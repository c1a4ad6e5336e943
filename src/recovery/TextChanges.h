#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One replacement in a document's raw text (block breaks as U+2029): `removed` characters at
// `position` gave way to `text`.
struct TextEdit {
    int position = 0;
    int removed = 0;
    QString text;
};

// What a copy of a document needs to catch up with it: where to start (the copy as it is, the
// document's whole raw text, or the file bytes it was loaded from), the edits since, the
// line-end marks of the blocks those edits touched, and the sizes the copy must then have.
struct TextChanges {
    enum class Start { FromCopy, FromText, FromFile };

    Start start = Start::FromCopy;
    QString text;     // FromText
    QByteArray file;  // FromFile
    QList<TextEdit> edits;
    int firstMarkedBlock = 0;
    QList<int> marks;        // for the blocks from firstMarkedBlock on
    int characterCount = 1;  // QTextDocument::characterCount() afterwards
    int blockCount = 1;
};
