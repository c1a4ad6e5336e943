#pragma once

#include <QColor>
#include <QtGlobal>

#include <array>

// What a coloured stretch of a line is. Plain text has no kind: it keeps the editor's colour.
enum class SyntaxKind : quint8 {
    Tag,             // "<p", "</p", ">", "/>"
    AttributeName,   // class in class="x"
    AttributeValue,  // "x" in class="x", quotes included
    Comment,         // HTML, style sheet and script comments
    Entity,          // &amp; &#160; &#x2014;
    Doctype,         // <!DOCTYPE html>, other <!...> declarations and <?...?>
    Directive,       // server-side include directives: <!--#include virtual="x" -->
    Keyword,         // script keywords; style sheet properties, at-rules and !important
    String,          // script and style sheet strings, script regular expressions
    Number,          // script and style sheet numbers, hex colours in style sheets
};
inline constexpr int kSyntaxKindCount = int(SyntaxKind::Number) + 1;

// One coloured stretch of a line: `length` characters from `start`.
struct SyntaxSpan {
    int start = 0;
    int length = 0;
    SyntaxKind kind = SyntaxKind::Tag;

    friend bool operator==(const SyntaxSpan&, const SyntaxSpan&) = default;
};

// A colour for every kind, in the order of SyntaxKind.
using SyntaxPalette = std::array<QColor, kSyntaxKindCount>;
