#include "tags/CharacterSteps.h"

#include "text/TextDirection.h"

#include <QTextBlock>
#include <QTextDocument>

namespace {

// Printable ASCII and tab: each is a step of its own next to another of them or a line break.
bool isSimple(QChar c) {
    return (c >= u' ' && c <= u'~') || c == u'\t';
}

bool isParagraphEnd(QChar c) {
    return c == QChar::ParagraphSeparator;
}

}  // namespace

std::optional<int> CharacterSteps::left(int position) {
    if (position <= 0)
        return isLeftToRight(0) ? std::optional<int>(0) : std::nullopt;
    // From a paragraph's start, Left goes to the end of the one before, whatever it holds.
    if (const QChar before = at(position - 1); !isParagraphEnd(before)) {
        if (!isSimple(before))
            return std::nullopt;
        if (position >= 2 && !isSimple(at(position - 2)) && !isParagraphEnd(at(position - 2)))
            return std::nullopt;
    }
    if (!isLeftToRight(position))
        return std::nullopt;
    return position - 1;
}

std::optional<int> CharacterSteps::right(int position) {
    const int textEnd = m_document.characterCount() - 1;
    const std::optional<int> end = position >= textEnd ? textEnd : deleteEnd(position);
    if (!end || !isLeftToRight(position))
        return std::nullopt;
    return end;
}

std::optional<int> CharacterSteps::deleteEnd(int position) const {
    if (position < 0 || position >= m_document.characterCount() - 1)
        return std::nullopt;
    const QChar c = at(position);
    if (isParagraphEnd(c))
        return position + 1;
    // The text's end reads as a paragraph end.
    if (!isSimple(c) || (!isSimple(at(position + 1)) && !isParagraphEnd(at(position + 1))))
        return std::nullopt;
    return position + 1;
}

void CharacterSteps::noteEdit(int from, int removed, QStringView inserted) {
    // The known range stays a run of whole paragraphs: an edit that touches a paragraph end at
    // its edge, or reaches outside it, makes it unknown again.
    int& known = m_leftToRightFrom;
    int& knownEnd = m_leftToRightTo;
    const int grown = int(inserted.size()) - removed;
    if (from >= known && from + removed < knownEnd && !TextDirection::hasRightToLeft(inserted)) {
        knownEnd += grown;
    } else if (from + removed < known) {
        known += grown;
        knownEnd += grown;
    } else if (from < knownEnd) {
        known = knownEnd = 0;
    }
}

QChar CharacterSteps::at(int position) const {
    return m_document.characterAt(position);
}

bool CharacterSteps::isLeftToRight(int position) {
    if (position >= m_leftToRightFrom && position < m_leftToRightTo)
        return true;
    if (m_document.defaultCursorMoveStyle() != Qt::LogicalMoveStyle)
        return false;
    const QTextBlock block = m_document.findBlock(position);
    // A direction set on the paragraph or on the document wins over its text.
    if (const auto set = block.blockFormat().layoutDirection(); set != Qt::LayoutDirectionAuto)
        return set == Qt::LeftToRight;
    if (const auto set = m_document.defaultTextOption().textDirection();
        set != Qt::LayoutDirectionAuto)
        return set == Qt::LeftToRight;
    // Right-to-left text turns the arrow keys round in a paragraph that starts with it.
    if (TextDirection::hasRightToLeft(block.text()))
        return false;
    const int start = block.position();
    const int end = start + block.length();
    if (m_leftToRightFrom < m_leftToRightTo && start <= m_leftToRightTo &&
        end >= m_leftToRightFrom) {
        m_leftToRightFrom = std::min(m_leftToRightFrom, start);
        m_leftToRightTo = std::max(m_leftToRightTo, end);
    } else {
        m_leftToRightFrom = start;
        m_leftToRightTo = end;
    }
    return true;
}
