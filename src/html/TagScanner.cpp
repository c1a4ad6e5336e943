#include "html/TagScanner.h"

namespace {

bool isAsciiLetter(QChar ch) {
    return (ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z');
}

// Moves `at` past blanks and attributes (with their quoted values) to the tag's ">" or "/>", or
// to a "<" or the end of the text where the tag breaks off.
qsizetype skipAttributes(QStringView text, qsizetype at) {
    while (at < text.size()) {
        const QChar ch = text[at];
        if (ch == u'>' || ch == u'<' ||
            (ch == u'/' && at + 1 < text.size() && text[at + 1] == u'>'))
            return at;
        if (ch == u'"' || ch == u'\'') {
            const qsizetype close = text.indexOf(ch, at + 1);
            if (close < 0)
                return text.size();
            at = close;
        }
        ++at;
    }
    return at;
}

}  // namespace

bool isTagNameChar(QChar ch) {
    return isAsciiLetter(ch) || (ch >= u'0' && ch <= u'9') || ch == u'-' || ch == u':' ||
           ch == u'_' || ch == u'.';
}

bool isTagStart(QStringView text, qsizetype at) {
    if (at < 0 || at + 1 >= text.size() || text[at] != u'<')
        return false;
    const qsizetype name = text[at + 1] == u'/' ? at + 2 : at + 1;
    return name < text.size() && isAsciiLetter(text[name]);
}

MarkupTag readTag(QStringView text, qsizetype at) {
    MarkupTag tag;
    tag.start = at;
    tag.isEnd = text[at + 1] == u'/';
    qsizetype pos = at + (tag.isEnd ? 2 : 1);
    const qsizetype nameStart = pos;
    while (pos < text.size() && isTagNameChar(text[pos]))
        ++pos;
    tag.name = text.sliced(nameStart, pos - nameStart);
    pos = skipAttributes(text, pos);
    if (pos < text.size() && text[pos] != u'<') {
        tag.selfClosing = text[pos] == u'/';
        tag.closed = true;
        pos += tag.selfClosing ? 2 : 1;
    }
    tag.end = pos;
    return tag;
}

std::optional<MarkupTag> TagScanner::next() {
    while (m_pos < m_text.size()) {
        const qsizetype at = m_text.indexOf(u'<', m_pos);
        if (at < 0)
            break;
        const QStringView rest = m_text.sliced(at);
        m_pos = at + 1;
        if (rest.startsWith(QLatin1StringView("<!--"))) {
            m_pos = at + 4;
            skipPast(QLatin1StringView("-->"));
        } else if (rest.startsWith(u"<!") || rest.startsWith(u"<?")) {
            skipPast(QLatin1StringView(">"));
        } else if (isTagStart(m_text, at)) {
            const MarkupTag tag = readTag(m_text, at);
            m_pos = tag.end;
            if (!tag.isEnd && !tag.selfClosing && tag.closed)
                skipRawText(tag.name);
            return tag;
        }
    }
    m_pos = m_text.size();
    return std::nullopt;
}

void TagScanner::skipPast(QLatin1StringView close) {
    const qsizetype at = m_text.indexOf(close, m_pos);
    m_pos = at < 0 ? m_text.size() : at + close.size();
}

// The content of a script or style element ends only at its own end tag.
void TagScanner::skipRawText(QStringView element) {
    for (const QLatin1StringView raw : {QLatin1StringView("script"), QLatin1StringView("style")}) {
        if (element.compare(raw, Qt::CaseInsensitive) != 0)
            continue;
        const QString endTag = QLatin1StringView("</") + raw;
        for (qsizetype at = m_text.indexOf(endTag, m_pos, Qt::CaseInsensitive); at >= 0;
             at = m_text.indexOf(endTag, at + 1, Qt::CaseInsensitive)) {
            const qsizetype after = at + endTag.size();
            if (after >= m_text.size() || !isTagNameChar(m_text[after])) {
                m_pos = at;
                return;
            }
        }
        m_pos = m_text.size();
    }
}
