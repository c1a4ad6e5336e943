#include "html/Abbreviation.h"

#include "html/AbbreviationParser.h"
#include "html/HtmlData.h"

namespace {

using Item = AbbreviationItem;
using Nodes = std::vector<MarkupNode>;

QString impliedName(QStringView parent) {
    static const struct {
        QStringView parents;
        const char16_t* child;
    } kImplied[] = {
        {u" ul ol ", u"li"},
        {u" table tbody thead tfoot ", u"tr"},
        {u" tr ", u"td"},
        {u" select datalist optgroup ", u"option"},
    };
    const QString key = u' ' + parent.toString().toLower() + u' ';
    for (const auto& rule : kImplied) {
        if (parent.size() > 0 && rule.parents.contains(key))
            return QString::fromUtf16(rule.child);
    }
    return QStringLiteral("div");
}

// `$` runs replaced by the number, padded with zeros to the run's length.
QString numbered(const QString& text, int number) {
    if (!text.contains(u'$'))
        return text;
    QString out;
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] != u'$') {
            out += text[i++];
            continue;
        }
        qsizetype run = 0;
        while (i < text.size() && text[i] == u'$')
            ++run, ++i;
        out += QString::number(number).rightJustified(run, u'0');
    }
    return out;
}

bool takesNoValue(const QString& element, const QString& attribute) {
    for (const HtmlEntry& entry : HtmlData::builtIn().attributesOf(element)) {
        if (entry.name.compare(attribute, Qt::CaseInsensitive) == 0)
            return entry.empty;
    }
    return false;
}

// Turns items into nodes: copies for multipliers, numbers, implied names, void elements checked.
class Expander {
public:
    bool expand(const std::vector<Item>& items, const QString& parent, int number, Nodes& out) {
        for (const Item& item : items) {
            for (int copy = 1; copy <= item.count; ++copy) {
                if (!expandOne(item, parent, item.multiplied ? copy : number, out))
                    return false;
            }
        }
        return true;
    }

    QString error;

private:
    bool expandOne(const Item& item, const QString& parent, int number, Nodes& out) {
        if (item.kind == Item::Kind::Group)
            return expand(item.children, parent, number, out);
        if (++m_nodes > kMaxAbbreviationElements)
            return fail(
                QStringLiteral("it makes more than %1 elements").arg(kMaxAbbreviationElements));
        if (item.kind == Item::Kind::Text) {
            out.push_back({{}, {}, numbered(item.text, number), {}});
            return true;
        }
        MarkupNode node = element(item, parent, number);
        const bool isVoid = HtmlData::builtIn().isVoid(node.name);
        if (isVoid && (!item.children.empty() || !node.text.isEmpty()))
            return fail(QStringLiteral("<%1> takes no content").arg(node.name));
        if (!expand(item.children, node.name, number, node.children))
            return false;
        out.push_back(std::move(node));
        return true;
    }

    static MarkupNode element(const Item& item, const QString& parent, int number) {
        MarkupNode node;
        node.name = item.name.isEmpty() ? impliedName(parent) : numbered(item.name, number);
        node.text = numbered(item.text, number);
        if (item.hasId)
            node.attributes << MarkupAttribute{QStringLiteral("id"), numbered(item.id, number)};
        if (!item.classes.isEmpty())
            node.attributes << MarkupAttribute{QStringLiteral("class"),
                                               numbered(item.classes.join(u' '), number)};
        for (MarkupAttribute attribute : item.attributes) {
            attribute.value = numbered(attribute.value, number);
            attribute.bare = attribute.bare && takesNoValue(node.name, attribute.name);
            node.attributes << attribute;
        }
        return node;
    }

    bool fail(const QString& why) {
        error = why;
        return false;
    }

    int m_nodes = 0;  // elements and texts made so far
};

MarkupNode element(const QString& name, QList<MarkupAttribute> attributes = {}) {
    return {name, std::move(attributes), {}, {}};
}

Nodes starterPage() {
    MarkupNode head = element(QStringLiteral("head"));
    head.children.push_back(element(QStringLiteral("meta"), {{"charset", "utf-8"}}));
    head.children.push_back(
        element(QStringLiteral("meta"),
                {{"name", "viewport"}, {"content", "width=device-width, initial-scale=1"}}));
    head.children.push_back(element(QStringLiteral("title")));
    Nodes page;
    page.push_back({{}, {}, QStringLiteral("<!DOCTYPE html>"), {}});
    page.push_back({{}, {}, QStringLiteral("<html lang=\"en\">"), {}});
    page.push_back(std::move(head));
    page.push_back(element(QStringLiteral("body")));
    page.push_back({{}, {}, QStringLiteral("</html>"), {}});
    return page;
}

}  // namespace

AbbreviationExpansion expandAbbreviation(QStringView abbreviation) {
    if (abbreviation == u"!")
        return {starterPage(), {}};
    AbbreviationParser parser(abbreviation);
    const std::optional<std::vector<Item>> items = parser.parse();
    if (!items)
        return {{}, parser.error()};
    AbbreviationExpansion expansion;
    Expander expander;
    if (!expander.expand(*items, {}, 1, expansion.nodes))
        return {{}, expander.error};
    return expansion;
}

qsizetype abbreviationStart(QStringView line, qsizetype caret) {
    qsizetype start = 0;
    QChar closer;  // what ends the bracket, brace or quote the scan is in
    for (qsizetype i = 0; i < caret && i < line.size(); ++i) {
        const QChar c = line[i];
        if (!closer.isNull()) {
            if (c == closer)
                closer = closer == u'"' || closer == u'\'' ? QChar(u']') : QChar();
            else if (closer == u']' && (c == u'"' || c == u'\''))
                closer = c;
        } else if (c == u'[' || c == u'{') {
            closer = c == u'[' ? u']' : u'}';
        } else if (c == u' ' || c == u'\t') {
            start = i + 1;
        }
    }
    return start;
}
