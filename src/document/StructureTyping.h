#pragma once

#include "html/MarkupTree.h"

class InsertionTarget;
class CommandHandlers;
class QPlainTextEdit;
class QTextCursor;

// Typing whole structures (abbreviations, tables) into the document the way its lines are
// indented already.
namespace StructureTyping {

// The layout of markup typed at `caret`: the caret line's indentation, and the step the nearby
// lines indent by. Reads at most a hundred lines before the caret, whatever the document's size.
MarkupLayout layoutAt(const QTextCursor& caret);

// Edit > Expand Abbreviation: replaces the abbreviation that ends at the caret (or the selected
// one) by its expansion as one undo step, the caret at its first stop; an abbreviation that does
// not expand stays as it is, and the status line says why.
void expandAbbreviation(QPlainTextEdit& editor, InsertionTarget& target);

// Binds Edit > Expand Abbreviation; its notes go to `target`.
void bindCommands(CommandHandlers& commands, InsertionTarget& target);

}  // namespace StructureTyping
