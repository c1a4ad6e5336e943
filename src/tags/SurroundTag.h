#pragma once

#include <QString>
#include <QStringView>
#include <optional>

class QPlainTextEdit;

// An opening tag and the closing tag that matches it.
struct TagPair {
    QString opening;
    QString closing;

    bool operator==(const TagPair&) const = default;
};

// The pair for what the user typed as a tag: an element name with optional attributes
// (`a href="x"`, `strong`); blanks and one surrounding `<` `>` are allowed. Nothing when the
// text does not start with an element name.
std::optional<TagPair> tagPairFor(QStringView typed);

// Wraps the editor's selection in `pair` as one undo step and keeps the wrapped text selected;
// with no selection, puts the pair in at the caret and leaves the caret between the two.
void surroundSelection(QPlainTextEdit* editor, const TagPair& pair);
