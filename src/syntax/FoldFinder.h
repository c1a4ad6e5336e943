#pragma once

#include <QStringView>
#include <QTextBlock>

// Where the folds of an HTML page start and end, read with the colouring's lexer: an element
// whose start tag and end tag lie on different lines folds from the one to the other, and so
// do a comment and a <script> or <style> element. Tags inside comments, scripts, style sheets
// and attribute values do not count. An element whose end tag may be left out (<li>, <p>, <td>
// and the like) ends where the next one of its kind starts or where its parent ends.
//
// Nothing here reads more than a bounded stretch of the text: whether a fold starts on a line
// is decided from that line alone, and its end is looked for at most kMaxLines lines below.
class FoldFinder {
public:
    static constexpr int kMaxLines = 20000;
    static constexpr qsizetype kMaxCharacters = 4'000'000;
    // Longer lines start no fold: lexing one for each painted mark would cost too much.
    static constexpr qsizetype kLongLine = 10000;

    // Whether a fold starts on `line`, whose text begins in the lexer state `startState`.
    static bool opensFold(QStringView line, int startState);

    enum class Outcome {
        Found,     // the fold ends at `last`
        NoFold,    // nothing folds on the line
        TooFar,    // the end lies more than kMaxLines lines (or kMaxCharacters) below
        Unclosed,  // the text ends first
    };
    struct Fold {
        Outcome outcome = Outcome::NoFold;
        QTextBlock last;
    };
    // The fold that starts at `header`, whose text begins in `startState`.
    static Fold find(const QTextBlock& header, int startState);
};
