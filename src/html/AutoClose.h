#pragma once

#include <QString>
#include <optional>

class MarkupText;

// Text that closing tags as the user types adds at the caret.
struct AutoCloseEdit {
    QString text;
    // "</" completed: the caret goes past the text. An end tag after a start tag: it stays before.
    bool caretAfter = false;

    bool operator==(const AutoCloseEdit&) const = default;
};

// What to add after the user has typed the character just before `caret`:
//  - the ">" that ends a start tag of an element that holds content: its end tag, after the
//    caret, unless the text right after the caret is that end tag already;
//  - the "/" of "</": the name and ">" of the innermost element still open.
// Nothing inside comments, declarations, scripts, styles or attribute values.
std::optional<AutoCloseEdit> autoCloseAfterTyping(const MarkupText& text, int caret);
