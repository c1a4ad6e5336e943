#include "completion/MatchingTagHighlight.h"

#include "completion/DocumentMarkupText.h"
#include "html/TagMatching.h"

#include <QPlainTextEdit>
#include <QTextBlock>

namespace {

// How long the caret rests before its tags are marked (milliseconds).
constexpr int kRestMs = 40;
// Lines longer than this are not marked: a line with a mark across a wrap (or with right-to-left
// text) is laid out again for each paint.
constexpr int kMarkedLineLimit = 4096;
// Tells this highlight's extra selections from others'.
constexpr int kMarkProperty = QTextFormat::UserProperty + 0x7461;

bool isOurs(const QTextEdit::ExtraSelection& selection) {
    return selection.format.hasProperty(kMarkProperty);
}

// Half-way between the text's background and the selection colour: visibly marked, yet every
// syntax colour stays readable on it, in light and dark palettes alike.
QColor markColor(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    const QColor highlight = palette.color(QPalette::Highlight);
    const auto mix = [](int a, int b) { return (a * 2 + b) / 3; };
    return QColor(mix(base.red(), highlight.red()), mix(base.green(), highlight.green()),
                  mix(base.blue(), highlight.blue()));
}

std::optional<MatchingTags> matchAtCaret(QPlainTextEdit& editor) {
    const QTextCursor caret = editor.textCursor();
    if (caret.hasSelection())
        return std::nullopt;
    return findMatchingTag(DocumentMarkupText(*editor.document()), caret.position());
}

}  // namespace

MatchingTagHighlight::MatchingTagHighlight(QPlainTextEdit& editor, QObject* parent)
    : QObject(parent), m_editor(editor) {
    m_rest.setSingleShot(true);
    m_rest.setInterval(kRestMs);
    connect(&m_rest, &QTimer::timeout, this, &MatchingTagHighlight::refresh);
    connect(&editor, &QPlainTextEdit::cursorPositionChanged, &m_rest, qOverload<>(&QTimer::start));
}

void MatchingTagHighlight::refresh() {
    m_rest.stop();
    QList<QTextEdit::ExtraSelection> tags;
    if (const std::optional<MatchingTags> match = matchAtCaret(m_editor)) {
        QTextCharFormat format;
        format.setBackground(markColor(m_editor.palette()));
        format.setProperty(kMarkProperty, true);
        for (const auto& [from, to] : {std::pair{match->start, match->end},
                                       std::pair{match->partnerStart, match->partnerEnd}}) {
            QTextCursor tag(m_editor.document());
            tag.setPosition(from);
            tag.setPosition(to, QTextCursor::KeepAnchor);
            if (m_editor.document()->findBlock(from).length() <= kMarkedLineLimit &&
                tag.block().length() <= kMarkedLineLimit)
                tags.append({tag, format});
        }
    }
    // Nothing marked before or now: the view need not be touched.
    if (m_marked || !tags.isEmpty())
        mark(tags);
}

void MatchingTagHighlight::clear() {
    m_rest.stop();
    if (m_marked)
        mark({});
}

void MatchingTagHighlight::mark(const QList<QTextEdit::ExtraSelection>& tags) {
    QList<QTextEdit::ExtraSelection> selections = m_editor.extraSelections();
    selections.removeIf(isOurs);
    m_editor.setExtraSelections(selections + tags);
    m_marked = !tags.isEmpty();
}

bool goToMatchingTag(QPlainTextEdit& editor) {
    const std::optional<MatchingTags> match = matchAtCaret(editor);
    if (!match)
        return false;
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(match->partnerStart);
    editor.setTextCursor(cursor);
    editor.ensureCursorVisible();
    return true;
}
