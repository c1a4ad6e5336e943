#include "editor/FoldedLines.h"

#include "editor/EditorBox.h"
#include "editor/EditorTextLayout.h"

#include <QTextDocument>

namespace {

void setVisible(EditorBox& editor, const QTextBlock& header, const QTextBlock& last, bool shown) {
    for (QTextBlock block = header.next(); block.isValid(); block = block.next()) {
        block.setVisible(shown);
        if (block == last)
            break;
    }
    if (auto* layout = qobject_cast<EditorTextLayout*>(editor.document()->documentLayout()))
        layout->visibilityChanged(header, last);
}

}  // namespace

bool FoldedLines::isFolded(const QTextBlock& header) {
    const QTextBlock next = header.next();
    return header.isVisible() && next.isValid() && !next.isVisible();
}

QTextBlock FoldedLines::nextShown(const QTextBlock& block) {
    const QTextBlock next = block.next();
    if (!next.isValid() || next.isVisible())
        return next;
    // A hidden line holds no displayed line, so the displayed line numbered as its first one
    // belongs to the next shown line.
    const QTextBlock shown = next.document()->findBlockByLineNumber(next.firstLineNumber());
    if (!shown.isValid() || !shown.isVisible() || shown.blockNumber() <= block.blockNumber())
        return {};
    return shown;
}

QTextBlock FoldedLines::headerOf(const QTextBlock& hidden) {
    const int line = hidden.firstLineNumber();
    if (hidden.isVisible() || line == 0)
        return hidden;
    return hidden.document()->findBlockByLineNumber(line - 1);
}

QTextBlock FoldedLines::lastHidden(const QTextBlock& header) {
    if (!isFolded(header))
        return header;
    const QTextBlock shown = nextShown(header);
    return shown.isValid() ? shown.previous() : header.document()->lastBlock();
}

void FoldedLines::fold(EditorBox& editor, const QTextBlock& header, const QTextBlock& last) {
    if (!header.isValid() || !last.isValid() || last.blockNumber() <= header.blockNumber())
        return;
    setVisible(editor, header, last, false);
}

bool FoldedLines::unfold(EditorBox& editor, const QTextBlock& header) {
    if (!isFolded(header))
        return false;
    setVisible(editor, header, lastHidden(header), true);
    return true;
}
