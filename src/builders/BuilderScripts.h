#pragma once

#include <QString>
#include <QStringList>

// What each tag builder types when OK is pressed, as pure functions of its field values. Each
// returns the pieces in typing order, one per step of the builder; steps that give nothing are
// left out. Every text the user supplied passes through scriptForLiteralText, so it reaches the
// document exactly as typed; the builders' own quotes, caret moves and line breaks are script.
//
// List positions are those of the item picked from a list, -1 when nothing is picked. Every member
// has a default, so a caller names only the fields it fills.

enum class AnchorKind { Href, Name, Mailto };

struct AnchorFields {
    AnchorKind kind = AnchorKind::Href;
    QString text = {};
};

struct HorizontalRuleFields {
    int alignIndex = -1;  // "none", "left", "center", "right"
    bool noshade = false;
    QString size = {};
    bool sizeInPixels = false;
    QString width = {};
    bool widthInPixels = false;
};

enum class ListKind { Ordered, Unordered, Definition };

struct ListFields {
    ListKind kind = ListKind::Ordered;
    int numberingIndex = -1;  // "None", then the five numbering styles
    QString startNumber = {};
    int bulletIndex = -1;  // "disc", "square", "circle"
    bool compact = false;
};

enum class ListItemKind { Ordered, Unordered, Term, Definition };

struct ListItemFields {
    ListItemKind kind = ListItemKind::Ordered;
    int numberingIndex = -1;  // "none", then the five numbering styles
    QString value = {};
    int bulletIndex = -1;  // "none", "disc", "square", "circle"
    QString text = {};
};

struct TableFields {
    int alignIndex = -1;  // "none", "left", "center", "right"
    QString border = {};
    QString cellspacing = {};
    QString cellpadding = {};
    QString width = {};
    bool widthInPixels = false;
    QString caption = {};
    int captionAlignIndex = -1;  // "none", "top", "bottom"
};

struct TableRowFields {
    QString align = {};
    QString valign = {};
};

struct TableDataFields {
    bool header = false;
    QString rowspan = {};
    QString colspan = {};
    QString align = {};
    QString valign = {};
    QString width = {};
    QString height = {};
    bool nowrap = false;
    QString data = {};
};

struct ImageFields {
    QString file = {};
    QString description = {};
    bool ismap = false;
    int alignIndex = -1;  // "none", "top", "middle", "bottom", "left", "right"
    QString width = {};
    QString height = {};
    QString border = {};
    QString hspace = {};
    QString vspace = {};
};

struct QuickPageFields {
    QString title = {};
    QString metaName = {};
    QString metaContent = {};
    QString backgroundColor = {};
    QString textColor = {};
    QString linkColor = {};
    QString visitedLinkColor = {};
    QString activeLinkColor = {};
    QString backgroundFile = {};
};

QStringList anchorScript(const AnchorFields& fields);
QStringList horizontalRuleScript(const HorizontalRuleFields& fields);
QStringList listScript(const ListFields& fields);
QStringList listItemScript(const ListItemFields& fields);
QStringList tableScript(const TableFields& fields);
QStringList tableRowScript(const TableRowFields& fields);
QStringList tableDataScript(const TableDataFields& fields);
QStringList imageScript(const ImageFields& fields);
QStringList quickPageScript(const QuickPageFields& fields);

// The five numbering styles as the list builders show them, after their "None" item.
QStringList numberingStyleItems();
