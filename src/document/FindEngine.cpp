#include "document/FindEngine.h"

#include <algorithm>

#include <QTextBlock>
#include <QTextDocument>

namespace {

// Upper-cases each character on its own (ß stays ß), so that positions do not shift.
void toUpperInPlace(QString& text) {
    const qsizetype size = text.size();
    char16_t* units = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = units[i];
        if (unit < 0x80) {
            if (unit >= u'a' && unit <= u'z')
                units[i] = unit - (u'a' - u'A');
        } else if (QChar::isHighSurrogate(unit) && i + 1 < size &&
                   QChar::isLowSurrogate(units[i + 1])) {
            const char32_t upper = QChar::toUpper(QChar::surrogateToUcs4(unit, units[i + 1]));
            if (QChar::requiresSurrogates(upper)) {
                units[i] = QChar::highSurrogate(upper);
                units[i + 1] = QChar::lowSurrogate(upper);
            }
            ++i;
        } else {
            const char32_t upper = QChar::toUpper(char32_t(unit));
            if (!QChar::requiresSurrogates(upper))
                units[i] = char16_t(upper);
        }
    }
}

// What one block's text is compared with: as it is, or in upper case.
QString comparableText(const QTextBlock& block, bool matchCase) {
    QString text = block.text();
    if (!matchCase)
        toUpperInPlace(text);
    return text;
}

// The first match that begins at position start or later.
std::optional<FindMatch> searchDown(const QTextDocument& document, const QString& needle,
                                    bool matchCase, qsizetype start) {
    if (start >= document.characterCount())
        return std::nullopt;
    QTextBlock block = document.findBlock(int(start));
    qsizetype from = start - block.position();
    for (; block.isValid(); block = block.next(), from = 0) {
        const qsizetype at = comparableText(block, matchCase).indexOf(needle, from);
        if (at >= 0)
            return FindMatch{block.position() + at, needle.size()};
    }
    return std::nullopt;
}

// The match that begins at the greatest position not after last.
std::optional<FindMatch> searchUp(const QTextDocument& document, const QString& needle,
                                  bool matchCase, qsizetype last) {
    if (last < 0)
        return std::nullopt;
    last = std::min<qsizetype>(last, document.characterCount() - 1);
    for (QTextBlock block = document.findBlock(int(last)); block.isValid();
         block = block.previous()) {
        const QString text = comparableText(block, matchCase);
        // lastIndexOf reads a negative start as counted from the end, so skip those blocks.
        const qsizetype from = std::min(last - block.position(), text.size() - needle.size());
        if (from < 0)
            continue;
        const qsizetype at = text.lastIndexOf(needle, from);
        if (at >= 0)
            return FindMatch{block.position() + at, needle.size()};
    }
    return std::nullopt;
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
    QString needle = state.text;
    if (!matchCase)
        toUpperInPlace(needle);
    if (state.direction == 1)
        return searchDown(document, needle, matchCase, start);
    // Up tries the starts from two positions before start backwards.
    return searchUp(document, needle, matchCase, start - 2);
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
