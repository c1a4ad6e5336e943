#include "html/TagMatching.h"

#include "html/HtmlData.h"
#include "html/MarkupText.h"
#include "html/TagScanner.h"

#include <QList>

namespace {

// How far back from the caret the tag it stands in may start.
constexpr int kTagReach = 4096;

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A start tag that opens an element holding content.
bool opensElement(const MarkupTag& tag) {
    return !tag.isEnd && !tag.selfClosing && !HtmlData::builtIn().isVoid(tag.name);
}

// The tag around `caret` in `window` (which holds the caret at offset `caret`): one that starts at
// the caret comes first, then one the caret stands in or just after.
std::optional<MarkupTag> tagAround(QStringView window, qsizetype caret) {
    if (isTagStart(window, caret))
        return readTag(window, caret);
    const qsizetype at = caret > 0 ? window.lastIndexOf(u'<', caret - 1) : -1;
    if (at < 0 || !isTagStart(window, at))
        return std::nullopt;
    const MarkupTag tag = readTag(window, at);
    if (!tag.closed || !tag.covers(caret))
        return std::nullopt;
    return tag;
}

// The end tag that closes `name` in `text`, whose first tag follows the start tag.
std::optional<MarkupTag> endTagAfter(QStringView text, QStringView name) {
    TagScanner scanner(text);
    int depth = 1;
    while (const std::optional<MarkupTag> tag = scanner.next()) {
        if (!sameName(tag->name, name))
            continue;
        if (tag->isEnd && --depth == 0)
            return tag;
        if (opensElement(*tag))
            ++depth;
    }
    return std::nullopt;
}

// The start tag that the end tag after `text` closes.
std::optional<MarkupTag> startTagBefore(QStringView text, QStringView name) {
    QList<MarkupTag> open;
    TagScanner scanner(text);
    while (const std::optional<MarkupTag> tag = scanner.next()) {
        if (!sameName(tag->name, name))
            continue;
        if (tag->isEnd && !open.isEmpty())
            open.removeLast();
        else if (opensElement(*tag))
            open << *tag;
    }
    return open.isEmpty() ? std::nullopt : std::optional<MarkupTag>(open.last());
}

}  // namespace

std::optional<MatchingTags> findMatchingTag(const MarkupText& text, int caret) {
    const int windowStart = qMax(0, caret - kTagReach);
    const QString window = text.slice(windowStart, caret + kTagReach);
    const std::optional<MarkupTag> tag = tagAround(window, caret - windowStart);
    if (!tag || !tag->closed || (!tag->isEnd && !opensElement(*tag)))
        return std::nullopt;
    const int start = windowStart + int(tag->start);
    const int end = windowStart + int(tag->end);
    if (!isMarkup(text.regionAt(start)))
        return std::nullopt;
    // Most partners lie near: a short stretch is read first, the whole reach only when needed.
    for (const int reach : {kTagReach, MarkupText::kSearchReach}) {
        if (!tag->isEnd) {
            const QString after = text.slice(end, end + reach);
            const std::optional<MarkupTag> partner = endTagAfter(after, tag->name);
            if (partner && partner->closed)
                return MatchingTags{start, end, end + int(partner->start), end + int(partner->end)};
        } else {
            const int from = qMax(0, start - reach);
            const std::optional<MarkupTag> partner =
                startTagBefore(text.slice(from, start), tag->name);
            if (partner)
                return MatchingTags{start, end, from + int(partner->start),
                                    from + int(partner->end)};
        }
    }
    return std::nullopt;
}

QStringList openElementsBefore(const MarkupText& text, int position) {
    const QString before = text.slice(position - MarkupText::kSearchReach, position);
    QList<QStringView> open;
    TagScanner scanner(before);
    while (const std::optional<MarkupTag> tag = scanner.next()) {
        if (!tag->isEnd) {
            if (opensElement(*tag) && tag->closed)
                open << tag->name;
            continue;
        }
        // An end tag closes its element and any left open inside it.
        for (qsizetype i = open.size() - 1; i >= 0; --i) {
            if (sameName(open[i], tag->name)) {
                open.resize(i);
                break;
            }
        }
    }
    QStringList names;
    for (auto name = open.crbegin(); name != open.crend(); ++name) {
        const QString lower = name->toString().toLower();
        if (!names.contains(lower))
            names << lower;
    }
    return names;
}

QStringList OpenElementsMemo::before(const MarkupText& text, int position) {
    if (position != m_position) {
        m_names = openElementsBefore(text, position);
        m_position = position;
    }
    return m_names;
}

void OpenElementsMemo::textChanged(int position) {
    // The open elements depend on the text before the place only.
    if (position < m_position)
        m_position = -1;
}
