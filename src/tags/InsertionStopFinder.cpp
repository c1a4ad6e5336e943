#include "tags/InsertionStopFinder.h"

#include <algorithm>

namespace {

bool isQuote(QChar c) {
    return c == u'"' || c == u'\'';
}

int skipBlanks(QStringView text, int at) {
    while (at < text.size() && text[at] == u' ')
        ++at;
    return at;
}

// Offsets between the quotes of every empty attribute value.
QList<int> emptyValues(QStringView text) {
    QList<int> found;
    for (int at = 0; at < text.size(); ++at) {
        if (text[at] != u'=')
            continue;
        const int open = skipBlanks(text, at + 1);
        if (open + 1 < text.size() && isQuote(text[open]) && text[open + 1] == text[open])
            found << open + 1;
    }
    return found;
}

}  // namespace

QList<int> findInsertionStops(QStringView text, int caret) {
    const int end = int(text.size());
    QList<int> stops = emptyValues(text);
    if (caret >= 0 && caret <= end)
        stops << caret;
    stops << end;
    std::sort(stops.begin(), stops.end());
    stops.erase(std::unique(stops.begin(), stops.end()), stops.end());
    return stops;
}
