#pragma once

class QPlainTextEdit;

// Closes the tag that the character the user just typed before the caret ends or begins (see
// autoCloseAfterTyping): an end tag goes in after the caret, or "</" gets its name and ">". The
// addition is an undo step of its own, so one undo takes it back and leaves what was typed.
// True when something was added.
bool closeTagAfterTyping(QPlainTextEdit& editor);
