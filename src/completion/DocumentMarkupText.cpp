#include "completion/DocumentMarkupText.h"

#include "syntax/HtmlLexer.h"
#include "syntax/SyntaxColoring.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

namespace {

// Lines up to this long are lexed up to the place asked about; longer ones (minified markup)
// could cost a key more than the key itself.
constexpr int kLexedLineLimit = 4096;

}  // namespace

DocumentMarkupText::DocumentMarkupText(QTextDocument& document)
    : m_document(document),
      m_coloring(document.findChild<SyntaxColoring*>(QString(), Qt::FindDirectChildrenOnly)) {}

int DocumentMarkupText::length() const {
    // The document holds one more character than its text: the last block's end.
    return m_document.characterCount() - 1;
}

// Read line by line: a text cursor placed at either end would lay out the lines there first.
QString DocumentMarkupText::slice(int from, int to) const {
    from = std::clamp(from, 0, length());
    to = std::clamp(to, from, length());
    QString text;
    text.reserve(to - from);
    for (QTextBlock block = m_document.findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        const QString line = block.text();
        const int start = std::max(from - block.position(), 0);
        const int end = std::min(to - block.position(), int(line.size()));
        text += QStringView(line).sliced(start, end - start);
        // A line break stays one character, so offsets into the slice stay positions.
        if (block.position() + line.size() < to)
            text += u'\n';
    }
    return text;
}

MarkupRegion DocumentMarkupText::regionAt(int position) const {
    const QTextBlock block = m_document.findBlock(position);
    if (m_coloring && block.isValid() && block.length() <= kLexedLineLimit) {
        if (const std::optional<int> start = m_coloring->settledStartState(block)) {
            const QString line = block.text();
            const int column = position - block.position();
            return HtmlLexer::regionOf(
                HtmlLexer::lexLine(QStringView(line).left(column), *start, nullptr));
        }
    }
    return MarkupText::regionAt(position);
}
