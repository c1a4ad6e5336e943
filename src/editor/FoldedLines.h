#pragma once

#include <QTextBlock>

class EditorBox;

// Folded lines: a shown line (the fold's header) followed by hidden ones. Hiding a line only
// changes how it shows: its text stays in the document, where saving, searching and every other
// reader of the text find it. A line is folded exactly while the line after it is hidden, so a
// fold needs no record of its own and follows every edit around it as the lines do.
//
// Hidden lines take no displayed lines, which lets these functions pass over a fold of any length
// in the time of a look-up in the document's line index.
namespace FoldedLines {

// Whether lines are hidden right after `header`.
bool isFolded(const QTextBlock& header);
// The next shown line after `block`; invalid when only hidden lines follow.
QTextBlock nextShown(const QTextBlock& block);
// The shown line that the hidden line `hidden` is folded under.
QTextBlock headerOf(const QTextBlock& hidden);
// The last of the lines hidden after `header` (`header` itself when none are).
QTextBlock lastHidden(const QTextBlock& header);

// Hides the lines after `header` up to and including `last`.
void fold(EditorBox& editor, const QTextBlock& header, const QTextBlock& last);
// Shows the lines hidden after `header`; false when there were none.
bool unfold(EditorBox& editor, const QTextBlock& header);

}  // namespace FoldedLines
