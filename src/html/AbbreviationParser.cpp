#include "html/AbbreviationParser.h"

namespace {

// Characters that end a name, an id or a class.
bool endsWord(QChar c) {
    return QStringView(u".#[{}]>+^*() \t=\"'").contains(c);
}

bool takesChildren(const AbbreviationItem& item) {
    return item.kind == AbbreviationItem::Kind::Element;
}

}  // namespace

std::optional<std::vector<AbbreviationItem>> AbbreviationParser::parse() {
    std::vector<AbbreviationItem> items;
    if (m_text.isEmpty()) {
        fail(QStringLiteral("there is no abbreviation before the caret"));
        return std::nullopt;
    }
    if (!parseSequence(items, 0))
        return std::nullopt;
    if (at(u')')) {
        fail(QStringLiteral("a ')' has no '(' before it"));
        return std::nullopt;
    }
    return items;
}

// Items joined by > + ^, up to a ')' or the end. `levels` holds where the next item goes: `>`
// goes one down into the last item, `^` one back up.
bool AbbreviationParser::parseSequence(std::vector<AbbreviationItem>& out, int depth) {
    std::vector<std::vector<AbbreviationItem>*> levels{&out};
    while (true) {
        std::vector<AbbreviationItem>& level = *levels.back();
        level.emplace_back();
        if (!parseItem(level.back(), depth + int(levels.size())))
            return false;
        if (atEnd() || at(u')'))
            return true;
        const QChar op = m_text[m_at++];
        if (op == u'>') {
            if (!takesChildren(level.back()))
                return fail(
                    QStringLiteral("only an element takes children after '>'; put a "
                                   "group's children inside its brackets"));
            if (depth + int(levels.size()) >= kMaxDepth)
                return fail(QStringLiteral("it nests deeper than %1 levels").arg(kMaxDepth));
            levels.push_back(&level.back().children);
        } else if (op == u'^') {
            // Each '^' of a run climbs one level, never above the sequence's own.
            for (--m_at; at(u'^'); ++m_at) {
                if (levels.size() > 1)
                    levels.pop_back();
            }
        } else if (op != u'+') {
            --m_at;
            return fail(QStringLiteral("'%1' cannot stand at column %2").arg(op).arg(m_at + 1));
        }
        if (atEnd() || at(u')'))
            return fail(QStringLiteral("nothing follows the '%1'").arg(op));
    }
}

bool AbbreviationParser::parseItem(AbbreviationItem& item, int depth) {
    if (at(u'('))
        return parseGroup(item, depth);
    return parseElement(item) && parseMultiplier(item);
}

bool AbbreviationParser::parseGroup(AbbreviationItem& item, int depth) {
    if (depth >= kMaxDepth)
        return fail(QStringLiteral("it nests deeper than %1 levels").arg(kMaxDepth));
    ++m_at;
    item.kind = AbbreviationItem::Kind::Group;
    if (at(u')'))
        return fail(QStringLiteral("a group '()' is empty"));
    if (!parseSequence(item.children, depth))
        return false;
    if (!at(u')'))
        return fail(QStringLiteral("a '(' is not closed"));
    ++m_at;
    return parseMultiplier(item);
}

bool AbbreviationParser::parseElement(AbbreviationItem& item) {
    const qsizetype start = m_at;
    item.name = readWord();
    bool hasText = false;
    while (!atEnd()) {
        const QChar c = m_text[m_at];
        if (c == u'#') {
            ++m_at;
            item.id = readWord();
            item.hasId = true;
        } else if (c == u'.') {
            ++m_at;
            item.classes << readWord();
        } else if (c == u'[') {
            if (!parseAttributes(item))
                return false;
        } else if (c == u'{') {
            if (!parseText(item.text))
                return false;
            hasText = true;
        } else {
            break;
        }
    }
    if (m_at == start) {
        if (atEnd())
            return fail(QStringLiteral("it ends where an element should follow"));
        return fail(
            QStringLiteral("'%1' at column %2 starts no element").arg(m_text[m_at]).arg(m_at + 1));
    }
    const bool textOnly = hasText && item.name.isEmpty() && !item.hasId && item.classes.isEmpty() &&
                          item.attributes.isEmpty();
    if (textOnly)
        item.kind = AbbreviationItem::Kind::Text;
    return true;
}

bool AbbreviationParser::parseAttributes(AbbreviationItem& item) {
    ++m_at;
    while (true) {
        skipBlanks();
        if (atEnd())
            return fail(QStringLiteral("a '[' is not closed"));
        if (at(u']')) {
            ++m_at;
            return true;
        }
        if (!parseAttribute(item))
            return false;
    }
}

bool AbbreviationParser::parseAttribute(AbbreviationItem& item) {
    MarkupAttribute attribute;
    while (!atEnd() && !QStringView(u" \t=]\"'").contains(m_text[m_at]))
        attribute.name += m_text[m_at++];
    if (attribute.name.isEmpty())
        return fail(QStringLiteral("an attribute in '[ ]' has no name"));
    attribute.bare = !at(u'=');
    if (!attribute.bare) {
        ++m_at;
        if (at(u'"') || at(u'\'')) {
            const QChar quote = m_text[m_at++];
            attribute.value = readUntil(quote);
            if (atEnd())
                return fail(QStringLiteral("a quoted value in '[ ]' is not closed"));
            ++m_at;
        } else {
            while (!atEnd() && !at(u' ') && !at(u'\t') && !at(u']'))
                attribute.value += m_text[m_at++];
        }
    }
    item.attributes << attribute;
    return true;
}

bool AbbreviationParser::parseText(QString& text) {
    ++m_at;
    text += readUntil(u'}');
    if (atEnd())
        return fail(QStringLiteral("a '{' is not closed"));
    ++m_at;
    return true;
}

bool AbbreviationParser::parseMultiplier(AbbreviationItem& item) {
    if (!at(u'*'))
        return true;
    ++m_at;
    qint64 count = 0;
    const qsizetype digits = m_at;
    for (; !atEnd() && m_text[m_at].isDigit(); ++m_at)
        count = std::min<qint64>(count * 10 + m_text[m_at].digitValue(), kMaxCount + 1);
    if (m_at == digits)
        return fail(QStringLiteral("'*' needs a number after it"));
    if (count < 1 || count > kMaxCount)
        return fail(QStringLiteral("*%1 is refused: multiply by 1 to %2")
                        .arg(m_text.mid(digits, m_at - digits))
                        .arg(kMaxCount));
    item.count = int(count);
    item.multiplied = true;
    return true;
}

QString AbbreviationParser::readWord() {
    const qsizetype start = m_at;
    while (!atEnd() && !endsWord(m_text[m_at]))
        ++m_at;
    return m_text.mid(start, m_at - start).toString();
}

QString AbbreviationParser::readUntil(QChar end) {
    const qsizetype start = m_at;
    while (!atEnd() && m_text[m_at] != end)
        ++m_at;
    return m_text.mid(start, m_at - start).toString();
}

void AbbreviationParser::skipBlanks() {
    while (at(u' ') || at(u'\t'))
        ++m_at;
}

bool AbbreviationParser::fail(const QString& why) {
    m_error = why;
    return false;
}
