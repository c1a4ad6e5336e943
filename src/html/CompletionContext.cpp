#include "html/CompletionContext.h"

#include "html/MarkupText.h"
#include "html/TagMatching.h"
#include "html/TagScanner.h"

#include <optional>

namespace {

using Kind = CompletionContext::Kind;

// How far around the caret the tag it stands in is read.
constexpr int kContextReach = 2048;
// Only the text from the last "<" before the caret counts, and that is nearly always on the
// caret's line: a short stretch is read first, the whole reach only when it holds no "<".
constexpr int kNearReach = 256;

bool isAttributeNameChar(QChar ch) {
    return !ch.isSpace() && ch != u'>' && ch != u'/' && ch != u'=' && ch != u'"' && ch != u'\'' &&
           ch != u'<';
}

template <typename Predicate>
qsizetype skip(QStringView text, qsizetype at, Predicate accept) {
    while (at < text.size() && accept(text[at]))
        ++at;
    return at;
}

qsizetype skipBlanks(QStringView text, qsizetype at) {
    return skip(text, at, [](QChar ch) { return ch.isSpace(); });
}

// Where a walk through a tag's attributes stopped.
struct AttributeWalk {
    enum class Stop { Blank, Name, AfterEquals, QuotedValue, UnquotedValue, TagEnd };
    Stop stop = Stop::Blank;
    qsizetype tokenStart = 0;  // Name: the name's start; QuotedValue: the value's
    QStringView lastName;      // the attribute whose name or value the walk stopped in
    QStringList names;         // the attributes passed, the one stopped in not included
};

// Reads the attribute after a blank at `at`; false when the walk stops in it.
bool walkAttribute(QStringView text, qsizetype& at, AttributeWalk& walk) {
    const qsizetype nameStart = at;
    at = skip(text, at, isAttributeNameChar);
    walk.lastName = text.sliced(nameStart, at - nameStart);
    walk.tokenStart = nameStart;
    if (at == text.size()) {
        walk.stop = AttributeWalk::Stop::Name;
        return false;
    }
    const qsizetype afterBlanks = skipBlanks(text, at);
    if (afterBlanks == text.size() || text[afterBlanks] != u'=') {
        if (!walk.lastName.isEmpty())
            walk.names << walk.lastName.toString();
        at = walk.lastName.isEmpty() ? at + 1 : at;  // a stray quote or slash
        return true;
    }
    at = skipBlanks(text, afterBlanks + 1);
    walk.stop = AttributeWalk::Stop::AfterEquals;
    if (at == text.size())
        return false;
    if (text[at] == u'"' || text[at] == u'\'') {
        const qsizetype close = text.indexOf(text[at], at + 1);
        walk.tokenStart = at + 1;
        walk.stop = AttributeWalk::Stop::QuotedValue;
        if (close < 0)
            return false;
        at = close + 1;
    } else {
        at = skip(text, at, [](QChar ch) { return !ch.isSpace() && ch != u'>'; });
        walk.stop = AttributeWalk::Stop::UnquotedValue;
        if (at == text.size())
            return false;
    }
    walk.names << walk.lastName.toString();
    return true;
}

// Walks the attributes from `at` (just after the element's name) to the end of `text` or of the
// tag.
AttributeWalk walkAttributes(QStringView text, qsizetype at) {
    AttributeWalk walk;
    while (true) {
        const qsizetype next = skipBlanks(text, at);
        walk.stop = AttributeWalk::Stop::Blank;
        if (next == text.size())
            return walk;
        if (text[next] == u'>' || text[next] == u'<') {
            walk.stop = AttributeWalk::Stop::TagEnd;
            return walk;
        }
        at = next;
        if (!walkAttribute(text, at, walk))
            return walk;
    }
}

// The rest of a name or word after the caret.
qsizetype restOf(QStringView after, bool (*partOf)(QChar)) {
    return skip(after, 0, partOf);
}

// Whether the text after a name, `rest`, is the rest of its tag: its ">" comes before any other
// tag's "<" (an element typed into text, before the next tag, is no such case).
bool tagGoesOn(QStringView rest) {
    const qsizetype close = rest.indexOf(u'>');
    const qsizetype open = rest.indexOf(u'<');
    return close >= 0 && (open < 0 || close < open);
}

CompletionContext nameContext(const MarkupTag& tag, QStringView after, int caret) {
    CompletionContext context;
    context.kind = tag.isEnd ? Kind::EndTag : Kind::Element;
    context.typed = tag.name.toString();
    const qsizetype rest = restOf(after, isTagNameChar);
    context.replaceStart = caret - int(tag.name.size());
    context.replaceEnd = caret + int(rest);
    context.tagGoesOn = tagGoesOn(after.sliced(rest));
    return context;
}

CompletionContext attributeContext(const AttributeWalk& walk, QStringView before, QStringView after,
                                   int caret) {
    CompletionContext context;
    if (walk.stop == AttributeWalk::Stop::QuotedValue) {
        // A value may hold several words (rel="noopener noreferrer"): the one at the caret counts.
        const QStringView value = before.sliced(walk.tokenStart);
        const qsizetype word = value.lastIndexOf(u' ') + 1;
        context.kind = Kind::Value;
        context.attribute = walk.lastName.toString();
        context.typed = value.sliced(word).toString();
        context.replaceStart = caret - int(context.typed.size());
        context.replaceEnd = caret + int(skip(after, 0, [](QChar ch) {
                                 return !ch.isSpace() && ch != u'"' && ch != u'\'';
                             }));
        return context;
    }
    const bool inName = walk.stop == AttributeWalk::Stop::Name;
    const bool afterBlank = walk.stop == AttributeWalk::Stop::Blank && before.back().isSpace();
    if (!inName && !afterBlank)
        return context;
    context.kind = Kind::Attribute;
    context.typed = inName ? walk.lastName.toString() : QString();
    const qsizetype rest = inName ? restOf(after, isAttributeNameChar) : 0;
    context.replaceStart = caret - int(context.typed.size());
    context.replaceEnd = caret + int(rest);
    const qsizetype next = skipBlanks(after, rest);
    context.tagGoesOn = next < after.size() && after[next] == u'=';
    context.present = walk.names + walkAttributes(after, rest).names;
    return context;
}

// The tag still open at the end of `before`, the caret's place: none when the last "<" starts no
// tag or its tag was closed.
std::optional<MarkupTag> openTagAtEnd(QStringView before) {
    const qsizetype at = before.lastIndexOf(u'<');
    if (at < 0)
        return std::nullopt;
    // "<" or "</" just before the caret: a name may follow.
    const bool bare = before.sliced(at) == u"<" || before.sliced(at) == u"</";
    if (!bare && !isTagStart(before, at))
        return std::nullopt;
    const MarkupTag tag =
        bare ? MarkupTag{at, before.size(), {}, before.size() - at == 2} : readTag(before, at);
    if (tag.closed)
        return std::nullopt;
    return tag;
}

CompletionContext localContext(const MarkupTag& tag, QStringView before, QStringView after,
                               int caret) {
    const qsizetype nameEnd = tag.start + (tag.isEnd ? 2 : 1) + tag.name.size();
    CompletionContext context;
    if (nameEnd == before.size())
        context = nameContext(tag, after, caret);
    else if (!tag.isEnd)
        context = attributeContext(walkAttributes(before, nameEnd), before, after, caret);
    context.element = tag.name.toString();
    context.tagStart = caret - int(before.size() - tag.start);
    return context;
}

// The text before the caret, from at least its last "<" within kContextReach.
QString textBefore(const MarkupText& text, int caret) {
    const QString near = text.slice(caret - kNearReach, caret);
    if (near.contains(u'<') || caret <= kNearReach)
        return near;
    return text.slice(caret - kContextReach, caret - kNearReach) + near;
}

}  // namespace

CompletionContext completionContextAt(const MarkupText& text, int caret, OpenElementsMemo* memo) {
    const QString before = textBefore(text, caret);
    const std::optional<MarkupTag> tag = openTagAtEnd(before);
    if (!tag)
        return {};
    // Read only in a tag: typing in text, the common case, needs no more.
    const QString after = text.slice(caret, caret + kContextReach);
    CompletionContext context = localContext(*tag, before, after, caret);
    if (context.kind == Kind::None || !isMarkup(text.regionAt(context.tagStart)))
        return {};
    if (context.kind == Kind::EndTag)
        context.openElements = memo ? memo->before(text, context.tagStart)
                                    : openElementsBefore(text, context.tagStart);
    return context;
}
