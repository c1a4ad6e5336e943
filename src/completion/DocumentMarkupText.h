#pragma once

#include "html/MarkupText.h"

#include <QPointer>

class QTextDocument;
class SyntaxColoring;

// An editor's text as the typing aids read it. Where the colouring keeps the lexer's state at the
// start of the caret's line, the region at a place comes from lexing that line up to it, which
// costs no more than the line; elsewhere (colouring off, not yet there, or a very long line) it
// is judged from the text before the place.
class DocumentMarkupText : public MarkupText {
public:
    explicit DocumentMarkupText(QTextDocument& document);

    int length() const override;
    QString slice(int from, int to) const override;
    MarkupRegion regionAt(int position) const override;

private:
    QTextDocument& m_document;
    QPointer<SyntaxColoring> m_coloring;
};
