#include "completion/DocumentMarkupText.h"

#include "syntax/HtmlLexer.h"
#include "syntax/SyntaxColoring.h"

#include <QTextBlock>
#include <QTextCursor>
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

QString DocumentMarkupText::slice(int from, int to) const {
    from = std::clamp(from, 0, length());
    to = std::clamp(to, from, length());
    if (from == to)
        return {};
    QTextCursor cursor(&m_document);
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    QString text = cursor.selectedText();
    // A line break stays one character, so offsets into the slice stay positions.
    std::replace(text.begin(), text.end(), QChar(QChar::ParagraphSeparator), QChar(u'\n'));
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
