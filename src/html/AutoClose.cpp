#include "html/AutoClose.h"

#include "html/HtmlData.h"
#include "html/MarkupText.h"
#include "html/TagMatching.h"
#include "html/TagScanner.h"

namespace {

// How far back the start tag that a ">" ends may begin.
constexpr int kTagReach = 2048;

std::optional<AutoCloseEdit> endTagAfterStartTag(const MarkupText& text, int caret) {
    const QString before = text.slice(caret - kTagReach, caret);
    const qsizetype at = before.lastIndexOf(u'<');
    if (!isTagStart(before, at))
        return std::nullopt;
    const MarkupTag tag = readTag(before, at);
    // The ">" typed must be the one that ends the tag, not one inside a quoted value.
    if (tag.isEnd || tag.selfClosing || !tag.closed || tag.end != before.size() ||
        HtmlData::builtIn().isVoid(tag.name))
        return std::nullopt;
    const QString endTag = QLatin1StringView("</") + tag.name.toString() + u'>';
    if (text.slice(caret, caret + int(endTag.size())).compare(endTag, Qt::CaseInsensitive) == 0)
        return std::nullopt;
    const int tagStart = caret - int(before.size() - at);
    if (!isMarkup(text.regionAt(tagStart)))
        return std::nullopt;
    return AutoCloseEdit{endTag, false};
}

std::optional<AutoCloseEdit> nameAfterSlash(const MarkupText& text, int caret) {
    const int tagStart = caret - 2;
    if (text.slice(tagStart, caret) != u"</")
        return std::nullopt;
    // The name may be there already ("</" typed before "div>").
    const QString next = text.slice(caret, caret + 1);
    if (!next.isEmpty() && (isTagNameChar(next[0]) || next[0] == u'>'))
        return std::nullopt;
    if (!isMarkup(text.regionAt(tagStart)))
        return std::nullopt;
    const QStringList open = openElementsBefore(text, tagStart);
    if (open.isEmpty())
        return std::nullopt;
    return AutoCloseEdit{open.first() + u'>', true};
}

}  // namespace

std::optional<AutoCloseEdit> autoCloseAfterTyping(const MarkupText& text, int caret) {
    const QString typed = text.slice(caret - 1, caret);
    if (typed == u">")
        return endTagAfterStartTag(text, caret);
    if (typed == u"/")
        return nameAfterSlash(text, caret);
    return std::nullopt;
}
