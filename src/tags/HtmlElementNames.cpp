#include "tags/HtmlElementNames.h"

#include "html/HtmlData.h"

namespace {

// Older elements that the web platform's data no longer lists.
const char* const kOlderElements[] = {"applet",   "big",      "center", "dir", "font",
                                      "frameset", "noframes", "strike", "tt"};

QStringList makeNames() {
    QStringList names;
    for (const HtmlEntry& element : HtmlData::builtIn().elements()) {
        if (!element.empty)
            names << element.name;
    }
    for (const char* older : kOlderElements) {
        if (!names.contains(QLatin1StringView(older)))
            names << QLatin1StringView(older);
    }
    names.sort();
    return names;
}

}  // namespace

const QStringList& htmlElementNames() {
    static const QStringList names = makeNames();
    return names;
}
