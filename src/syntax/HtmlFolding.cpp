#include "syntax/HtmlFolding.h"

#include "editor/EditorBox.h"
#include "editor/FoldedLines.h"
#include "syntax/FoldFinder.h"
#include "syntax/SyntaxColoring.h"

#include <QTextDocument>

HtmlFolding::HtmlFolding(EditorBox& editor) : QObject(&editor), m_editor(editor) {
    setObjectName(QStringLiteral("html_folding"));
    connect(&editor, &QPlainTextEdit::cursorPositionChanged, this, &HtmlFolding::onCaretMoved);
    connect(editor.document(), &QTextDocument::contentsChange, this,
            &HtmlFolding::onContentsChange);
    editor.setLineFolding(this);
}

HtmlFolding& HtmlFolding::of(EditorBox& editor) {
    if (auto* folding = editor.findChild<HtmlFolding*>(QString(), Qt::FindDirectChildrenOnly))
        return *folding;
    return *new HtmlFolding(editor);
}

void HtmlFolding::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    m_editor.viewport()->update();  // the gutter follows the editor's full repaints
}

bool HtmlFolding::startsFold(const QTextBlock& block) {
    return m_enabled && FoldFinder::opensFold(block.text(), SyntaxColoring::startStateOf(block));
}

void HtmlFolding::toggleFold(const QTextBlock& block) {
    if (unfold(block))
        return;
    const QString note = fold(block);
    if (!note.isEmpty())
        emit noted(note);
}

QString HtmlFolding::fold(const QTextBlock& block) {
    const int line = block.blockNumber() + 1;
    if (!m_enabled)
        return QStringLiteral("Text and batch files do not fold.");
    if (FoldedLines::isFolded(block))
        return QStringLiteral("Line %1 is folded already.").arg(line);
    const FoldFinder::Fold found = FoldFinder::find(block, SyntaxColoring::startStateOf(block));
    switch (found.outcome) {
        case FoldFinder::Outcome::NoFold:
            return QStringLiteral("No fold starts on line %1.").arg(line);
        case FoldFinder::Outcome::TooFar:
            return QStringLiteral(
                       "The fold on line %1 ends more than %2 lines below; it stays open.")
                .arg(line)
                .arg(FoldFinder::kMaxLines);
        case FoldFinder::Outcome::Unclosed:
            return QStringLiteral("The fold on line %1 does not end before the end of the text.")
                .arg(line);
        case FoldFinder::Outcome::Found:
            break;
    }
    foldLines(block, found.last);
    return QStringLiteral("Folded lines %1 to %2.").arg(line).arg(found.last.blockNumber() + 1);
}

void HtmlFolding::foldLines(const QTextBlock& header, const QTextBlock& last) {
    // The caret stays where it can be seen: at the end of the folded line.
    const int foldEnd = last.position() + last.length() - 1;
    QTextCursor caret = m_editor.textCursor();
    if (qMax(caret.position(), caret.anchor()) >= header.position() + header.length() &&
        qMin(caret.position(), caret.anchor()) <= foldEnd) {
        caret.setPosition(header.position() + header.length() - 1);
        m_editor.setTextCursor(caret);
    }
    FoldedLines::fold(m_editor, header, last);
    m_mayHaveFolds = true;
    m_blockCount = m_editor.document()->blockCount();
}

bool HtmlFolding::unfold(const QTextBlock& block) {
    return block.isValid() && FoldedLines::unfold(m_editor, FoldedLines::headerOf(block));
}

int HtmlFolding::unfoldAll() {
    int count = 0;
    for (QTextBlock block = m_editor.document()->firstBlock(); block.isValid();
         block = FoldedLines::nextShown(block)) {
        if (FoldedLines::unfold(m_editor, block))
            ++count;
    }
    m_mayHaveFolds = false;
    return count;
}

void HtmlFolding::onCaretMoved() {
    if (!m_mayHaveFolds)
        return;
    const QTextCursor caret = m_editor.textCursor();
    const QTextBlock block = caret.block();
    bool unfolded = !block.isVisible() && unfold(block);
    const QTextBlock anchor = m_editor.document()->findBlock(caret.anchor());
    unfolded = (!anchor.isVisible() && unfold(anchor)) || unfolded;
    if (unfolded)
        m_editor.ensureCursorVisible();
}

void HtmlFolding::onContentsChange(int from, int, int charsAdded) {
    if (!m_mayHaveFolds)
        return;
    QTextDocument* text = m_editor.document();
    const bool linesChanged = text->blockCount() != m_blockCount;
    m_blockCount = text->blockCount();
    const QTextBlock first = text->findBlock(from);
    const QTextBlock last = text->findBlock(from + charsAdded);
    const bool inside = !first.isVisible() || !last.isVisible();
    if (!first.isVisible())
        unfold(first);
    if (!last.isVisible())
        unfold(last);
    // New lines typed or pasted at the end of a folded line would take its place above the
    // folded ones: the fold opens instead. A break typed at its start moves the line and its
    // fold down together.
    const bool atLineEnd = from + charsAdded == last.position() + last.length() - 1;
    if (linesChanged && (inside || atLineEnd) && FoldedLines::isFolded(last))
        unfold(last);
}
