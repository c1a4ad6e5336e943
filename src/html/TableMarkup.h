#pragma once

#include "html/MarkupTree.h"

#include <QString>
#include <vector>

// An HTML5 table to write: its body rows and columns, whether a header row (th scope="col")
// goes above them, and its caption (none when empty).
struct TableShape {
    int rows = 2;
    int columns = 2;
    bool headerRow = false;
    QString caption;

    bool operator==(const TableShape&) const = default;
};

// The table as markup: table, caption, thead and tbody, every cell empty.
std::vector<MarkupNode> tableMarkup(const TableShape& shape);
