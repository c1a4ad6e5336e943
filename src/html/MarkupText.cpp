#include "html/MarkupText.h"

#include <QStringView>
#include <algorithm>
#include <array>

namespace {

// The marks whose last occurrence tells which region the end of a stretch lies in.
struct RegionMark {
    QLatin1StringView text;
    MarkupRegion region;  // the region after the mark
    bool tagName;         // the mark is a tag's "<name": it must be followed by a blank, > or /
};

constexpr std::array<RegionMark, 6> kMarks{{
    {QLatin1StringView("<!--"), MarkupRegion::Comment, false},
    {QLatin1StringView("-->"), MarkupRegion::Text, false},
    {QLatin1StringView("<script"), MarkupRegion::Script, true},
    {QLatin1StringView("</script"), MarkupRegion::Text, true},
    {QLatin1StringView("<style"), MarkupRegion::Style, true},
    {QLatin1StringView("</style"), MarkupRegion::Text, true},
}};

bool endsTagName(QStringView text, qsizetype at) {
    if (at >= text.size())
        return true;
    const QChar ch = text[at];
    return ch.isSpace() || ch == u'>' || ch == u'/';
}

// The mark that starts at `at`, if one does.
const RegionMark* markAt(QStringView text, qsizetype at) {
    for (const RegionMark& mark : kMarks) {
        if (text.sliced(at).startsWith(mark.text, Qt::CaseInsensitive) &&
            (!mark.tagName || endsTagName(text, at + mark.text.size())))
            return &mark;
    }
    return nullptr;
}

}  // namespace

MarkupRegion regionAtEndOf(QStringView text) {
    // From the end back: every mark starts with "<" or "-".
    for (qsizetype at = text.size() - 1; at >= 0; --at) {
        if (text[at] != u'<' && text[at] != u'-')
            continue;
        if (const RegionMark* mark = markAt(text, at))
            return mark->region;
    }
    return MarkupRegion::Text;
}

MarkupRegion MarkupText::regionAt(int position) const {
    return regionAtEndOf(slice(position - kSearchReach, position));
}

QString StringMarkupText::slice(int from, int to) const {
    from = std::clamp(from, 0, length());
    to = std::clamp(to, from, length());
    return m_text.sliced(from, to - from);
}
