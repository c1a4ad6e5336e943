#include "text/LineColumn.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <limits>

namespace {

// Characters in `text`, a surrogate pair counting once.
int characterCount(QStringView text) {
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++count) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    return count;
}

// The UTF-16 offset of the `characters`-th character of `text`, or its end.
int offsetOf(QStringView text, int characters) {
    qsizetype i = 0;
    for (; i < text.size() && characters > 0; ++i, --characters) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    return int(i);
}

// A whole number of digits; too large to hold reads as the largest int.
std::optional<int> parseNumber(QStringView text) {
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (QChar ch : text) {
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
        value = qMin<qint64>(value * 10 + (ch.unicode() - u'0'), std::numeric_limits<int>::max());
    }
    return int(value);
}

}  // namespace

LineColumn LineColumn::of(const QTextCursor& cursor) {
    const QTextBlock block = cursor.block();
    const QString text = block.text();
    return {block.blockNumber() + 1,
            characterCount(QStringView(text).first(cursor.positionInBlock())) + 1};
}

QString LineColumn::statusText() const {
    return QStringLiteral("Ln %1, Col %2").arg(line).arg(column);
}

std::optional<LineColumn> LineColumn::parse(QStringView text) {
    qsizetype separator = text.indexOf(u':');
    if (separator < 0)
        separator = text.indexOf(u',');
    const std::optional<int> line = parseNumber(separator < 0 ? text : text.first(separator));
    if (!line)
        return std::nullopt;
    if (separator < 0)
        return LineColumn{qMax(1, *line), 1};
    const std::optional<int> column = parseNumber(text.sliced(separator + 1));
    if (!column)
        return std::nullopt;
    return LineColumn{qMax(1, *line), qMax(1, *column)};
}

int LineColumn::positionIn(const QTextDocument& document) const {
    const int lineIndex = qBound(0, line - 1, document.blockCount() - 1);
    const QTextBlock block = document.findBlockByNumber(lineIndex);
    return block.position() + offsetOf(block.text(), column - 1);
}
