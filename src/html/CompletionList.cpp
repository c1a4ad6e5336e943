#include "html/CompletionList.h"

#include "html/CompletionContext.h"

#include <algorithm>

namespace {

using Kind = CompletionContext::Kind;

enum class Match { Prefix, Inside, None };

Match matchOf(const QString& name, const QString& typed) {
    if (name.startsWith(typed, Qt::CaseInsensitive))
        return Match::Prefix;
    return name.contains(typed, Qt::CaseInsensitive) ? Match::Inside : Match::None;
}

// The elements that hold content, the open ones first.
QList<HtmlEntry> endTagCandidates(const CompletionContext& context, const HtmlData& data) {
    QList<HtmlEntry> entries;
    for (const QString& name : context.openElements) {
        const HtmlElement* element = data.element(name);
        entries << (element ? element->entry : HtmlEntry{name, {}, false, false, {}});
    }
    for (const HtmlEntry& element : data.elements()) {
        if (!element.empty && !context.openElements.contains(element.name, Qt::CaseInsensitive))
            entries << element;
    }
    return entries;
}

QList<HtmlEntry> candidates(const CompletionContext& context, const HtmlData& data) {
    QList<HtmlEntry> entries;
    switch (context.kind) {
        case Kind::None:
            break;
        case Kind::Element:
            entries = data.elements();
            break;
        case Kind::Attribute:
            entries = data.attributesOf(context.element);
            entries.removeIf([&context](const HtmlEntry& attribute) {
                return context.present.contains(attribute.name, Qt::CaseInsensitive);
            });
            break;
        case Kind::Value:
            for (const QString& value : data.valuesOf(context.element, context.attribute))
                entries << HtmlEntry{value, {}, false, false, {}};
            break;
        case Kind::EndTag:
            entries = endTagCandidates(context, data);
            break;
    }
    return entries;
}

}  // namespace

QList<HtmlEntry> completionsFor(const CompletionContext& context, const HtmlData& data) {
    struct Ranked {
        HtmlEntry entry;
        Match match;
    };
    QList<Ranked> ranked;
    for (const HtmlEntry& entry : candidates(context, data)) {
        const Match match = matchOf(entry.name, context.typed);
        if (match != Match::None)
            ranked << Ranked{entry, match};
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
        if (a.entry.deprecated != b.entry.deprecated)
            return b.entry.deprecated;
        return a.match < b.match;
    });
    QList<HtmlEntry> entries;
    entries.reserve(ranked.size());
    for (const Ranked& item : ranked)
        entries << item.entry;
    return entries;
}
