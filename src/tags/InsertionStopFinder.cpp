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

bool isNameCharacter(QChar c) {
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u':' || c == u'.';
}

// The offset of the `>` that ends the start tag whose name ends at `at`, skipping quoted values;
// -1 when the text ends first.
int startTagEnd(QStringView text, int at) {
    for (QChar quote; at < text.size(); ++at) {
        if (!quote.isNull()) {
            if (text[at] == quote)
                quote = QChar();
        } else if (isQuote(text[at])) {
            quote = text[at];
        } else if (text[at] == u'>') {
            return at;
        } else if (text[at] == u'<') {
            return -1;
        }
    }
    return -1;
}

// True when the end tag of `name` starts at `at`.
bool endTagAt(QStringView text, int at, QStringView name) {
    const int nameAt = at + 2;
    if (!text.mid(at).startsWith(u"</") || nameAt + name.size() >= text.size())
        return false;
    const QChar after = text[nameAt + name.size()];
    return text.mid(nameAt, name.size()).compare(name, Qt::CaseInsensitive) == 0 &&
           (after == u'>' || after.isSpace());
}

// Offsets between a start tag and its own end tag with nothing between them: `<b>|</b>`.
QList<int> emptyElements(QStringView text) {
    QList<int> found;
    for (int at = 0; at + 1 < text.size(); ++at) {
        if (text[at] != u'<' || !text[at + 1].isLetter())
            continue;
        int nameEnd = at + 1;
        while (nameEnd < text.size() && isNameCharacter(text[nameEnd]))
            ++nameEnd;
        const int end = startTagEnd(text, nameEnd);
        if (end < 0)
            continue;
        if (text[end - 1] != u'/' && endTagAt(text, end + 1, text.mid(at + 1, nameEnd - at - 1)))
            found << end + 1;
        at = end;
    }
    return found;
}

}  // namespace

QList<int> findInsertionStops(QStringView text, int caret) {
    const int end = int(text.size());
    QList<int> stops = emptyValues(text) + emptyElements(text);
    if (caret >= 0 && caret <= end)
        stops << caret;
    stops << end;
    std::sort(stops.begin(), stops.end());
    stops.erase(std::unique(stops.begin(), stops.end()), stops.end());
    return stops;
}
