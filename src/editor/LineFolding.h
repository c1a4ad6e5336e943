#pragma once

class QTextBlock;

// What decides where the editor's lines fold, for the gutter's markers and clicks.
class LineFolding {
public:
    // Whether a fold can start at this shown line. Asked for every line the gutter paints, so it
    // looks at the line alone and never for the fold's end.
    virtual bool startsFold(const QTextBlock& block) = 0;
    // Unfolds a folded line; folds a line where a fold starts.
    virtual void toggleFold(const QTextBlock& block) = 0;
    // False while no line can be folded: then nothing needs stepping over.
    virtual bool mayHaveFolds() const = 0;

protected:
    ~LineFolding() = default;
};
