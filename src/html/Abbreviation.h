#pragma once

#include "html/MarkupTree.h"

#include <QString>
#include <QStringView>
#include <vector>

// What an abbreviation expands to: the markup, or why it expands to nothing.
struct AbbreviationExpansion {
    std::vector<MarkupNode> nodes;
    QString error;

    bool ok() const { return error.isEmpty(); }
};

// Expands an abbreviation of our own grammar:
//   name #id .class [attr="value" other] {text}   an element (name implied when left out)
//   a>b child, a+b sibling, a^b climb one level (^^ two), (a+b) a group, a*N N copies
//   $ in a name, id, class, attribute or text: the copy's number ($$ pads to two digits)
//   !  the HTML5 starter page
// A left-out name is li in ul and ol, tr in table, td in tr, option in select, else div. An
// attribute without `=` is written bare when the element data says it takes no value. At most
// kMaxElements elements; an expansion that would make more is refused.
AbbreviationExpansion expandAbbreviation(QStringView abbreviation);

constexpr int kMaxAbbreviationElements = 10000;

// Where the abbreviation that ends at `caret` starts in `line`: after the last blank outside
// brackets, braces and quotes, or at the line's start.
qsizetype abbreviationStart(QStringView line, qsizetype caret);
