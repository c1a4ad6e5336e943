#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "text/TextFormat.h"

// A break in a stretch of raw text that does not stand for the document's own line end: where
// it is in the stretch, and its mark (DocumentText::breakMark).
struct MarkedBreak {
    qsizetype position = 0;
    int mark = 0;

    friend bool operator==(const MarkedBreak&, const MarkedBreak&) = default;
};

// One replacement in a document's raw text (block breaks as U+2029): `removed` characters at
// `position` gave way to `text`, whose marked breaks are listed.
struct TextEdit {
    int position = 0;
    int removed = 0;
    QString text;
    QList<MarkedBreak> marks;
};

// What a copy of a document needs to catch up with it: where to start (the copy as it is, the
// document's whole raw text, or the file bytes it was loaded from), the edits since, and the
// sizes the copy must then have.
struct TextChanges {
    enum class Start { FromCopy, FromText, FromFile };

    Start start = Start::FromCopy;
    QString text;  // FromText
    QList<MarkedBreak> textMarks;
    QByteArray file;          // FromFile, in fileFormat
    bool filePacked = false;  // `file` as qCompress gives it
    TextFormat fileFormat;
    QList<TextEdit> edits;
    int characterCount = 1;  // QTextDocument::characterCount() afterwards
    int blockCount = 1;
};
