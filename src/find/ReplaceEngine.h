#pragma once

#include <QRegularExpression>
#include <QString>
#include <optional>

class QTextBlock;
class QTextDocument;

// What Replace searches for and puts in its place.
struct ReplaceOptions {
    QString findText;
    QString replaceText;
    bool matchCase = false;
    bool wholeWord = false;          // no letter, digit or "_" right before or after a match
    bool regularExpression = false;  // findText is a pattern; \0..\9, \n, \t, \\ in replaceText
    bool wrapAround = true;          // Find Next goes on from the top after the end
};

// A stretch of the document in editor positions (a line break is one position).
struct TextRange {
    int start = 0;
    int end = 0;

    friend bool operator==(const TextRange&, const TextRange&) = default;
};

// The search and replace behind the Replace dialog. A match lies within one line.
class ReplaceEngine {
public:
    explicit ReplaceEngine(const ReplaceOptions& options);

    // Why the options cannot be searched with (the regular expression's own error text), or
    // empty when they can.
    QString error() const;
    bool isUsable() const { return !m_options.findText.isEmpty() && m_pattern.isValid(); }

    // The first match from the end of `selection` on; past the end of the text it goes on from
    // the top when wrapping. A match equal to the selection is passed over, so that searching
    // again from an empty match moves on.
    std::optional<TextRange> findNext(const QTextDocument& document, TextRange selection) const;

    // When `selection` is exactly a match, replaces it and returns where the new text stands;
    // otherwise changes nothing.
    std::optional<TextRange> replaceSelection(QTextDocument& document, TextRange selection) const;

    // Replaces every match as one undoable edit; returns how many there were.
    int replaceAll(QTextDocument& document) const;

private:
    std::optional<TextRange> firstMatchIn(const QTextBlock& block, int offset,
                                          TextRange passOver) const;
    QString replacementFor(const QRegularExpressionMatch& match) const;

    ReplaceOptions m_options;
    QRegularExpression m_pattern;
};
