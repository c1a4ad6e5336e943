#pragma once

#include <QStringView>
#include <optional>

class QTextDocument;

// Where Left, Right and Delete take a caret in a QTextDocument, worked out from the characters
// around it wherever that is certain.
//
// QTextCursor asks the paragraph's layout, which it rebuilds over the whole paragraph after any
// edit: a script that types and steps back in turn would take time in the square of the
// paragraph's length. Between ASCII characters and line breaks, in a paragraph without
// right-to-left text, a step is always one position. Elsewhere (characters that combine, pairs
// of code units, right-to-left paragraphs) there is no answer and the caller asks QTextCursor.
class CharacterSteps {
public:
    explicit CharacterSteps(const QTextDocument& document) : m_document(document) {}

    // Where Left (Right) takes a caret at `position` with nothing selected; `position` itself
    // at the start (end) of the text.
    std::optional<int> left(int position);
    std::optional<int> right(int position);
    // Where the text that Delete removes at `position` ends.
    std::optional<int> deleteEnd(int position) const;

    // Each edit made while the steps are in use must be told: `removed` characters at `from`
    // gave way to `inserted`.
    void noteEdit(int from, int removed, QStringView inserted);

private:
    QChar at(int position) const;
    bool isLeftToRight(int position);

    const QTextDocument& m_document;
    // Whole paragraphs, [m_leftToRightFrom, m_leftToRightTo), known to hold no right-to-left
    // text: each paragraph is read once per script, not once per step.
    int m_leftToRightFrom = 0;
    int m_leftToRightTo = 0;
};
