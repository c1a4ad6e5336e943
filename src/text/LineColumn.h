#pragma once

#include <QString>
#include <optional>

class QTextCursor;
class QTextDocument;

// A place in the text as the user counts it: line and column from 1. A line is a block of the
// editor; a column counts characters, a character outside the Basic Multilingual Plane (two
// UTF-16 units) as one.
struct LineColumn {
    int line = 1;
    int column = 1;

    friend bool operator==(const LineColumn&, const LineColumn&) = default;

    // Where the cursor's position is.
    static LineColumn of(const QTextCursor& cursor);
    // "Ln 12, Col 5", for the status line.
    QString statusText() const;

    // Reads "12", "12:5" or "12,5" (blanks allowed around the numbers); no value for anything
    // else. A line of 0 reads as 1; a number too large to hold reads as the largest.
    static std::optional<LineColumn> parse(QStringView text);
    // The position this place stands for in `document`: a line beyond the last is the last, a
    // column beyond the end of its line is the end of the line.
    int positionIn(const QTextDocument& document) const;
};
