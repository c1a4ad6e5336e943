#include "builders/BuilderScripts.h"

#include "builders/NumericFieldModel.h"
#include "tags/ScriptText.h"

namespace {

// Attribute pieces by list position; an empty entry (or a position outside) types nothing.
const QStringList kRuleAlign = {{}, " align=+'left+'", " align=+'center+'", " align=+'right+'"};
const QStringList kNumbering = {
    {}, " type=+'1+'", " type=+'a+'", " type=+'A+'", " type=+'i+'", " type=+'I+'"};
const QStringList kListBullet = {" type=disc", " type=square", " type=circle"};
const QStringList kItemBullet = {{}, " type=disc", " type=square", " type=circle"};
const QStringList kTableAlign = {{}, " align=+'left+'", " align=+'center+'", " align=+'right+'"};
const QStringList kCaptionAlign = {{}, " align=+'top+'", " align=+'bottom+'"};
const QStringList kImageAlign = {{},
                                 " align=+'top+'",
                                 " align=+'middle+'",
                                 " align=+'bottom+'",
                                 " align=+'left+'",
                                 " align=+'right+'"};

QString literal(const QString& text) {
    return scriptForLiteralText(text);
}

void addIfAny(QStringList& pieces, const QString& piece) {
    if (!piece.isEmpty())
        pieces << piece;
}

// name="text" with +' quotes, when the text is not empty.
void addQuoted(QStringList& pieces, const char* name, const QString& text) {
    if (!text.isEmpty())
        pieces << QStringLiteral(" %1=+'%2+'").arg(QLatin1String(name), literal(text));
}

// name="text" with plain double-quote characters, as the table builders type them.
void addPlainQuoted(QStringList& pieces, const char* name, const QString& text) {
    if (!text.isEmpty())
        pieces << QStringLiteral(" %1=\"%2\"").arg(QLatin1String(name), literal(text));
}

// An image attribute counts only when its field holds a number above 0.
void addIfPositive(QStringList& pieces, const char* name, const QString& text) {
    if (NumericFieldModel::readNumber(text) > 0)
        addQuoted(pieces, name, text);
}

// A size or width of the horizontal rule: a percentage unless pixels are chosen.
void addRuleLength(QStringList& pieces, const char* name, const QString& text, bool pixels) {
    if (!text.isEmpty())
        pieces << QStringLiteral(" %1=+'%2%3+'")
                      .arg(QLatin1String(name), literal(text),
                           pixels ? QString() : QStringLiteral("{%}"));
}

QStringList orderedList(const ListFields& fields) {
    QStringList pieces{QStringLiteral("<ol")};
    addIfAny(pieces, kNumbering.value(fields.numberingIndex));
    addQuoted(pieces, "start", fields.startNumber);
    if (fields.compact)
        pieces << QStringLiteral(" compact");
    pieces << QStringLiteral("></ol>{left 5}");
    return pieces;
}

QStringList unorderedList(const ListFields& fields) {
    QStringList pieces{QStringLiteral("<ul")};
    addIfAny(pieces, kListBullet.value(fields.bulletIndex));
    if (fields.compact)
        pieces << QStringLiteral(" compact");
    pieces << QStringLiteral("></ul>{left 5}");
    return pieces;
}

QString itemBody(const QString& text, const char* tag) {
    return QStringLiteral(">%1</%2>{left 5}").arg(literal(text), QLatin1String(tag));
}

}  // namespace

QStringList anchorScript(const AnchorFields& fields) {
    QString start;
    switch (fields.kind) {
        case AnchorKind::Href:
            start = QStringLiteral("<a href=+'");
            break;
        case AnchorKind::Name:
            start = QStringLiteral("<a Name=+'");
            break;
        case AnchorKind::Mailto:
            start = QStringLiteral("<a href=+'Mailto:");
            break;
    }
    return {start + literal(fields.text) + QStringLiteral("+'></a>{left 4}")};
}

QStringList horizontalRuleScript(const HorizontalRuleFields& fields) {
    QStringList pieces{QStringLiteral("<hr")};
    addIfAny(pieces, kRuleAlign.value(fields.alignIndex));
    if (fields.noshade)
        pieces << QStringLiteral(" noshade");
    addRuleLength(pieces, "size", fields.size, fields.sizeInPixels);
    addRuleLength(pieces, "width", fields.width, fields.widthInPixels);
    pieces << QStringLiteral(">");
    return pieces;
}

QStringList listScript(const ListFields& fields) {
    switch (fields.kind) {
        case ListKind::Unordered:
            return unorderedList(fields);
        case ListKind::Definition:
            return {QStringLiteral("<dl"), QStringLiteral("></dl>{left 5}")};
        case ListKind::Ordered:
            break;
    }
    return orderedList(fields);
}

QStringList listItemScript(const ListItemFields& fields) {
    switch (fields.kind) {
        case ListItemKind::Unordered: {
            QStringList pieces{QStringLiteral("<li")};
            addIfAny(pieces, kItemBullet.value(fields.bulletIndex));
            return pieces << itemBody(fields.text, "li");
        }
        case ListItemKind::Term:
            return {QStringLiteral("<dt"), itemBody(fields.text, "dt")};
        case ListItemKind::Definition:
            return {QStringLiteral("<dd"), itemBody(fields.text, "dd")};
        case ListItemKind::Ordered:
            break;
    }
    QStringList pieces{QStringLiteral("<li")};
    addIfAny(pieces, kNumbering.value(fields.numberingIndex));
    addQuoted(pieces, "value", fields.value);
    return pieces << itemBody(fields.text, "li");
}

QStringList tableScript(const TableFields& fields) {
    QStringList pieces{QStringLiteral("<table")};
    addIfAny(pieces, kTableAlign.value(fields.alignIndex));
    addPlainQuoted(pieces, "border", fields.border);
    addPlainQuoted(pieces, "cellspacing", fields.cellspacing);
    addPlainQuoted(pieces, "cellpadding", fields.cellpadding);
    if (!fields.width.isEmpty())
        pieces << QStringLiteral(" width=\"%1%2\"")
                      .arg(literal(fields.width),
                           fields.widthInPixels ? QString() : QStringLiteral("{%}"));
    pieces << QStringLiteral(">~");
    if (fields.caption.isEmpty())
        pieces << QStringLiteral("~");
    else
        pieces << QStringLiteral("<caption%1>%2</caption>~~")
                      .arg(kCaptionAlign.value(fields.captionAlignIndex), literal(fields.caption));
    pieces << QStringLiteral("</table>{home}{up}{end}");
    return pieces;
}

QStringList tableRowScript(const TableRowFields& fields) {
    QStringList pieces{QStringLiteral("<tr")};
    addPlainQuoted(pieces, "align", fields.align);
    addPlainQuoted(pieces, "valign", fields.valign);
    pieces << QStringLiteral("></tr>{left 5}");
    return pieces;
}

QStringList tableDataScript(const TableDataFields& fields) {
    const char* tag = fields.header ? "th" : "td";
    QStringList pieces{QStringLiteral("<") + QLatin1String(tag)};
    addPlainQuoted(pieces, "rowspan", fields.rowspan);
    addPlainQuoted(pieces, "colspan", fields.colspan);
    addPlainQuoted(pieces, "align", fields.align);
    addPlainQuoted(pieces, "valign", fields.valign);
    addPlainQuoted(pieces, "width", fields.width);
    addPlainQuoted(pieces, "height", fields.height);
    if (fields.nowrap)
        pieces << QStringLiteral(" nowrap");
    pieces << itemBody(fields.data, tag);
    return pieces;
}

QStringList imageScript(const ImageFields& fields) {
    QStringList pieces{QStringLiteral("<img src=+'%1+'").arg(literal(fields.file))};
    addQuoted(pieces, "alt", fields.description);
    if (fields.ismap)
        pieces << QStringLiteral(" ismap");
    addIfAny(pieces, kImageAlign.value(fields.alignIndex));
    addIfPositive(pieces, "width", fields.width);
    addIfPositive(pieces, "height", fields.height);
    addIfPositive(pieces, "border", fields.border);
    addIfPositive(pieces, "hspace", fields.hspace);
    addIfPositive(pieces, "vspace", fields.vspace);
    pieces << QStringLiteral(">");
    return pieces;
}

QStringList quickPageScript(const QuickPageFields& fields) {
    QStringList pieces{
        QStringLiteral("<!DOCTYPE HTML PUBLIC +'-//W3C//DTD HTML 3.2 Final//EN+'>~~"),
        QStringLiteral("<html>~~"), QStringLiteral("<head>~~"),
        QStringLiteral("<title>%1</title>~~").arg(literal(fields.title))};
    if (!fields.metaName.isEmpty() || !fields.metaContent.isEmpty()) {
        QStringList meta{QStringLiteral("<META")};
        addQuoted(meta, "NAME", fields.metaName);
        addQuoted(meta, "CONTENT", fields.metaContent);
        pieces << meta.join(QString()) + QStringLiteral(">~~");
    }
    pieces << QStringLiteral("</head>~~") << QStringLiteral("<body");
    addQuoted(pieces, "background", fields.backgroundFile);
    addQuoted(pieces, "bgcolor", fields.backgroundColor);
    addQuoted(pieces, "text", fields.textColor);
    addQuoted(pieces, "link", fields.linkColor);
    addQuoted(pieces, "vlink", fields.visitedLinkColor);
    addQuoted(pieces, "alink", fields.activeLinkColor);
    pieces << QStringLiteral(">") + QString(11, u'~') << QStringLiteral("</body>~~")
           << QStringLiteral("</html>");
    return pieces;
}

QStringList numberingStyleItems() {
    return {QStringLiteral("1 - Arabic Numbers  1,2,3,..."),
            QStringLiteral("a - Lower Case Alpha  a,b,c,..."),
            QStringLiteral("A - Upper Case Alpha  A,B,C,..."),
            QStringLiteral("i - Lower case Roman Numerals  i,ii,iii,..."),
            QStringLiteral("I - Upper case Roman Numerals  I,II,III,...")};
}
