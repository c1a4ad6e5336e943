#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

// One attribute of an element to be written: `name="value"`, or just `name` when it is bare.
struct MarkupAttribute {
    QString name;
    QString value;
    bool bare = false;

    bool operator==(const MarkupAttribute&) const = default;
};

// An element to be written, or a line of text when it has no name. An element's text goes
// before its children.
struct MarkupNode {
    QString name;
    QList<MarkupAttribute> attributes;
    QString text;
    std::vector<MarkupNode> children;
};

// How written markup fits the document: one indentation step, and the indentation of the line
// the markup starts on, which every later line gets first.
struct MarkupLayout {
    QString indentUnit = QStringLiteral("  ");
    QString baseIndent;
};

// The nodes as source text, one element per line and one indentation step per depth: an element
// without children on one line, a void element without an end tag. The first line starts
// without the base indentation, since it is typed where the caret is. Lines end with '\n'.
QString writeMarkup(const std::vector<MarkupNode>& nodes, const MarkupLayout& layout);

// The indentation step the lines use: a tab when an indented line starts with one, else the
// smallest run of leading blanks (at most eight), else two blanks.
QString indentUnitOf(const QStringList& lines);
