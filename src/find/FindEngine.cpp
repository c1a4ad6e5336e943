#include "find/FindEngine.h"

#include <algorithm>

#include <QTextDocument>

namespace {

// Writes the upper-case form of each character of `text` into `out`, which keeps its buffer when
// it is large enough. A character whose upper case needs another number of code units (ß) stays
// as it is, so that positions do not shift.
void upperCaseInto(QStringView text, QString& out) {
    const qsizetype size = text.size();
    out.resize(size);
    const char16_t* in = text.utf16();
    char16_t* units = reinterpret_cast<char16_t*>(out.data());
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = in[i];
        if (unit < 0x80) {
            units[i] = unit >= u'a' && unit <= u'z' ? char16_t(unit - (u'a' - u'A')) : unit;
        } else if (QChar::isHighSurrogate(unit) && i + 1 < size &&
                   QChar::isLowSurrogate(in[i + 1])) {
            const char32_t upper = QChar::toUpper(QChar::surrogateToUcs4(unit, in[i + 1]));
            const bool pair = QChar::requiresSurrogates(upper);
            units[i] = pair ? QChar::highSurrogate(upper) : unit;
            units[i + 1] = pair ? QChar::lowSurrogate(upper) : in[i + 1];
            ++i;
        } else {
            const char32_t upper = QChar::toUpper(char32_t(unit));
            units[i] = QChar::requiresSurrogates(upper) ? unit : char16_t(upper);
        }
    }
}

// The document's text as the search reads it: QTextDocument::toRawText(), where a block break is
// one U+2029, so positions are the editor's. Reading it out of the document costs several times
// a search, so it is kept with the document (as a child object) and read again only once the
// document's revision has moved on. Nothing happens while the user types.
class SearchText : public QObject {
public:
    explicit SearchText(QTextDocument& document) : QObject(&document), m_document(document) {}

    static SearchText& of(const QTextDocument& document) {
        for (QObject* child : document.children()) {
            if (auto* cached = dynamic_cast<SearchText*>(child))
                return *cached;
        }
        // The cache is no part of the document's content, so a const document may carry it.
        return *new SearchText(const_cast<QTextDocument&>(document));
    }

    // The text as it is, or with every character upper-cased on its own.
    const QString& text(bool matchCase) {
        const int revision = m_document.revision();
        if (m_textRevision != revision) {
            m_text = m_document.toRawText();
            m_textRevision = revision;
        }
        if (matchCase)
            return m_text;
        if (m_upperRevision != revision) {
            upperCaseInto(m_text, m_upper);
            m_upperRevision = revision;
        }
        return m_upper;
    }

private:
    QTextDocument& m_document;
    int m_textRevision = -1;
    int m_upperRevision = -1;
    QString m_text;
    QString m_upper;
};

// The first match that begins at position start or later.
std::optional<FindMatch> searchDown(const QString& haystack, const QString& needle,
                                    qsizetype start) {
    if (start >= haystack.size())
        return std::nullopt;
    const qsizetype at = haystack.indexOf(needle, start);
    return at >= 0 ? std::optional(FindMatch{at, needle.size()}) : std::nullopt;
}

// The match that begins at the greatest position not after last.
std::optional<FindMatch> searchUp(const QString& haystack, const QString& needle, qsizetype last) {
    // lastIndexOf reads a negative start as counted from the end, so stop before that.
    last = std::min(last, haystack.size() - needle.size());
    if (last < 0)
        return std::nullopt;
    const qsizetype at = haystack.lastIndexOf(needle, last);
    return at >= 0 ? std::optional(FindMatch{at, needle.size()}) : std::nullopt;
}

}  // namespace

std::optional<FindMatch> FindEngine::search(const FindState& state, const QTextDocument& document,
                                            qsizetype selectionStart) {
    if (state.text.isEmpty())
        return std::nullopt;
    // A repeated search from the last match steps past it; a first search does not.
    const qsizetype offset = selectionStart == state.lastPos && !state.firstTime ? 1 : 0;
    const qsizetype start = selectionStart + offset;
    const bool matchCase = state.matchCase != 0;
    // A match lies within one line: a search text holding a block break finds nothing.
    if (state.text.contains(QChar::ParagraphSeparator))
        return std::nullopt;
    QString needle = state.text;
    if (!matchCase)
        upperCaseInto(state.text, needle);
    const QString& haystack = SearchText::of(document).text(matchCase);
    if (state.direction == 1)
        return searchDown(haystack, needle, start);
    // Up tries the starts from two positions before start backwards.
    return searchUp(haystack, needle, start - 2);
}

void FindEngine::recordSearch(FindState& state, qsizetype selectionStartNow) {
    state.lastPos = selectionStartNow;
    state.firstTime = false;
}

std::optional<FindMatch> FindEngine::findNext(FindState& state, const QTextDocument& document,
                                              qsizetype selectionStart) {
    const std::optional<FindMatch> match = search(state, document, selectionStart);
    recordSearch(state, match ? match->start : selectionStart);
    return match;
}

QString FindEngine::notFoundMessage(const QString& findText) {
    return QStringLiteral("Cannot find \"") + findText + u'"';
}
