#pragma once

#include <QString>

class QTextCursor;

// Enter typed by the user keeps the leading blanks and tabs of the line it breaks. Only the key
// goes through here: keystroke scripts, pastes and undo edit the text directly and stay as they
// are.
namespace AutoIndent {

// The blanks and tabs that begin `line`, those before `column` only.
QString leadingBlanks(const QString& line, int column);

// Breaks the line at `cursor` (its selection replaced) and starts the new line with the blanks
// the broken line begins with: one undo step, the caret after the blanks. False, with nothing
// done, when the line begins with none.
bool breakLine(QTextCursor& cursor);

}  // namespace AutoIndent
