#include "find/ReplaceEngine.h"

#include <QList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QRegularExpression patternFor(const ReplaceOptions& options) {
    QString body =
        options.regularExpression ? options.findText : QRegularExpression::escape(options.findText);
    if (options.wholeWord) {
        body = QStringLiteral("(?<![\\p{L}\\p{N}_])(?:") + body +
               QStringLiteral(")(?![\\p{L}\\p{N}_])");
    }
    QRegularExpression::PatternOptions flags = QRegularExpression::UseUnicodePropertiesOption;
    if (!options.matchCase)
        flags |= QRegularExpression::CaseInsensitiveOption;
    return QRegularExpression(body, flags);
}

struct Replacement {
    int start;
    int end;
    QString text;
};

}  // namespace

ReplaceEngine::ReplaceEngine(const ReplaceOptions& options)
    : m_options(options), m_pattern(patternFor(options)) {
    m_pattern.optimize();
}

QString ReplaceEngine::error() const {
    return m_pattern.isValid() ? QString() : m_pattern.errorString();
}

std::optional<TextRange> ReplaceEngine::findNext(const QTextDocument& document,
                                                 TextRange selection) const {
    if (!isUsable())
        return std::nullopt;
    const QTextBlock first = document.findBlock(selection.end);
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        const int offset = block == first ? selection.end - block.position() : 0;
        if (const auto match = firstMatchIn(block, offset, selection))
            return match;
    }
    if (!m_options.wrapAround)
        return std::nullopt;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (const auto match = firstMatchIn(block, 0, selection))
            return match;
        if (block == first)
            break;
    }
    return std::nullopt;
}

std::optional<TextRange> ReplaceEngine::firstMatchIn(const QTextBlock& block, int offset,
                                                     TextRange passOver) const {
    const int base = block.position();
    // The global match takes an empty match and then a longer one at the same place, as a
    // replace-all pass would; both count as found.
    auto matches = m_pattern.globalMatch(block.text(), offset);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const TextRange found{base + int(match.capturedStart()), base + int(match.capturedEnd())};
        if (found != passOver)
            return found;
    }
    return std::nullopt;
}

std::optional<TextRange> ReplaceEngine::replaceSelection(QTextDocument& document,
                                                         TextRange selection) const {
    if (!isUsable())
        return std::nullopt;
    const QTextBlock block = document.findBlock(selection.start);
    const int offset = selection.start - block.position();
    const QRegularExpressionMatch match =
        m_pattern.match(block.text(), offset, QRegularExpression::NormalMatch,
                        QRegularExpression::AnchorAtOffsetMatchOption);
    if (!match.hasMatch() || block.position() + match.capturedEnd() != selection.end)
        return std::nullopt;
    const QString text = replacementFor(match);
    QTextCursor cursor(&document);
    cursor.setPosition(selection.start);
    cursor.setPosition(selection.end, QTextCursor::KeepAnchor);
    cursor.insertText(text);
    return TextRange{selection.start, cursor.position()};
}

int ReplaceEngine::replaceAll(QTextDocument& document) const {
    if (!isUsable())
        return 0;
    QTextCursor cursor(&document);
    int count = 0;
    QList<Replacement> replacements;
    for (QTextBlock block = document.begin(); block.isValid();) {
        // Taken before the edits, which may split this block but leave the next one alone.
        const QTextBlock next = block.next();
        replacements.clear();
        auto matches = m_pattern.globalMatch(block.text());
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            replacements.append(
                {int(match.capturedStart()), int(match.capturedEnd()), replacementFor(match)});
        }
        if (count == 0 && !replacements.isEmpty())
            cursor.beginEditBlock();
        // From the last to the first, so that the earlier offsets still hold.
        const int base = block.position();
        for (auto it = replacements.crbegin(); it != replacements.crend(); ++it) {
            cursor.setPosition(base + it->start);
            cursor.setPosition(base + it->end, QTextCursor::KeepAnchor);
            cursor.insertText(it->text);
        }
        count += int(replacements.size());
        block = next;
    }
    if (count > 0)
        cursor.endEditBlock();
    return count;
}

QString ReplaceEngine::replacementFor(const QRegularExpressionMatch& match) const {
    const QString& pattern = m_options.replaceText;
    if (!m_options.regularExpression)
        return pattern;
    QString text;
    text.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar ch = pattern[i];
        if (ch != u'\\' || i + 1 == pattern.size()) {
            text += ch;
            continue;
        }
        const QChar code = pattern[++i];
        if (code.isDigit() && code.unicode() < 0x80)
            text += match.captured(code.unicode() - u'0');
        else if (code == u'n')
            text += u'\n';
        else if (code == u't')
            text += u'\t';
        else if (code == u'\\')
            text += u'\\';
        else
            text += QStringView(pattern).sliced(i - 1, 2);
    }
    return text;
}
