#include "tools/PreviewSourceLines.h"

#include <algorithm>
#include <array>

namespace {

using namespace Qt::StringLiterals;

// Elements laid out as blocks by default, sorted.
constexpr std::array kBlocks = {
    "address"_L1,  "article"_L1,    "aside"_L1,   "blockquote"_L1, "body"_L1,  "caption"_L1,
    "dd"_L1,       "details"_L1,    "dialog"_L1,  "div"_L1,        "dl"_L1,    "dt"_L1,
    "fieldset"_L1, "figcaption"_L1, "figure"_L1,  "footer"_L1,     "form"_L1,  "h1"_L1,
    "h2"_L1,       "h3"_L1,         "h4"_L1,      "h5"_L1,         "h6"_L1,    "header"_L1,
    "hgroup"_L1,   "hr"_L1,         "li"_L1,      "main"_L1,       "nav"_L1,   "ol"_L1,
    "p"_L1,        "pre"_L1,        "section"_L1, "summary"_L1,    "table"_L1, "tbody"_L1,
    "td"_L1,       "tfoot"_L1,      "th"_L1,      "thead"_L1,      "tr"_L1,    "ul"_L1};

// Elements whose content is text up to their end tag, whatever it looks like, sorted.
constexpr std::array kRawText = {"iframe"_L1,    "noembed"_L1, "noframes"_L1, "noscript"_L1,
                                 "plaintext"_L1, "script"_L1,  "style"_L1,    "textarea"_L1,
                                 "title"_L1,     "xmp"_L1};

template <std::size_t N>
bool listed(const std::array<QLatin1StringView, N>& names, QStringView name) {
    const auto less = [](QLatin1StringView listedName, QStringView wanted) {
        return QStringView(wanted).compare(listedName, Qt::CaseInsensitive) > 0;
    };
    const auto at = std::lower_bound(names.begin(), names.end(), name, less);
    return at != names.end() && name.compare(*at, Qt::CaseInsensitive) == 0;
}

bool isNameChar(QChar c) {
    return c.isLetterOrNumber() || c == u'-' || c == u':' || c == u'_';
}

// Walks the text once, copying it out with the marks put in.
class Marker {
public:
    explicit Marker(QStringView html) : m_html(html) { m_out.reserve(html.size() * 9 / 8); }

    QString run() {
        while (m_at < m_html.size()) {
            if (m_html[m_at] == u'<')
                tag();
            else
                step();
        }
        m_out += m_html.sliced(m_copied);
        return std::move(m_out);
    }

private:
    // Moves past one character, counting the line it ends.
    void step() {
        const QChar c = m_html[m_at++];
        if (c == u'\n' || (c == u'\r' && (m_at == m_html.size() || m_html[m_at] != u'\n')))
            ++m_line;
    }
    void stepTo(qsizetype end) {
        while (m_at < end)
            step();
    }
    // Steps past the first `what` from here, or to the end of the text.
    void skipPast(QStringView what, Qt::CaseSensitivity cs = Qt::CaseSensitive) {
        const qsizetype found = m_html.indexOf(what, m_at, cs);
        stepTo(found < 0 ? m_html.size() : found + what.size());
    }

    void tag() {
        const int line = m_line;
        if (m_html.sliced(m_at).startsWith(u"<!--")) {
            m_at += 4;
            skipPast(u"-->");
            return;
        }
        step();
        qsizetype nameEnd = m_at;
        while (nameEnd < m_html.size() && isNameChar(m_html[nameEnd]))
            ++nameEnd;
        if (nameEnd == m_at || !m_html[m_at].isLetter())
            return;  // an end tag, a declaration or a lone "<": plain text to this pass
        const QStringView name = m_html.sliced(m_at, nameEnd - m_at);
        m_at = nameEnd;
        if (listed(kBlocks, name)) {
            m_out += m_html.sliced(m_copied, m_at - m_copied);
            m_out += u' ';
            m_out += PreviewSourceLines::kAttribute;
            m_out += "=\""_L1;
            m_out += QString::number(line);
            m_out += u'"';
            m_copied = m_at;
        }
        skipAttributes();
        if (listed(kRawText, name))
            skipRawText(name);
    }

    // Steps past the tag's ">", over quoted values that may hold one.
    void skipAttributes() {
        while (m_at < m_html.size()) {
            const QChar c = m_html[m_at];
            step();
            if (c == u'>')
                return;
            if (c != u'=')
                continue;
            while (m_at < m_html.size() && m_html[m_at].isSpace())
                step();
            if (m_at < m_html.size() && (m_html[m_at] == u'"' || m_html[m_at] == u'\'')) {
                const QChar quote = m_html[m_at];
                step();
                skipPast(QStringView(&quote, 1));
            }
        }
    }

    void skipRawText(QStringView name) {
        QString endTag = QStringLiteral("</");
        endTag += name;
        const qsizetype found = m_html.indexOf(endTag, m_at, Qt::CaseInsensitive);
        stepTo(found < 0 ? m_html.size() : found);
    }

    QStringView m_html;
    QString m_out;
    qsizetype m_at = 0;
    qsizetype m_copied = 0;
    int m_line = 1;
};

}  // namespace

QString PreviewSourceLines::mark(QStringView html) {
    return Marker(html).run();
}
