#pragma once

class CommandHandlers;
class DialogService;
class DocumentWindow;
class EditorBox;
class InsertionTarget;
class QPlainTextEdit;
class QWidget;
struct LineColumn;

// What the Edit menu does to a document's editor; each does nothing without one. The clipboard
// operations are shared with the toolbar buttons, which act on the active document.
namespace EditOperations {

// Puts the selection on the clipboard as plain text and removes it.
void cutSelection(EditorBox* box);
// Puts the selection on the clipboard as plain text (an empty text when nothing is selected).
void copySelection(EditorBox* box);
// Replaces the selection with the clipboard's text (an empty text when it holds none).
void pasteClipboard(EditorBox* box);
// Removes the selection in the control that has the keyboard focus, else the one position after
// the caret (a whole line break); `box` stands in when nothing has the focus.
void deleteSelection(EditorBox* box);
// Selects the whole text in the visible box and in the hidden one, leaving the focus alone.
void selectAll(EditorBox* box);
// Puts the caret at `place` (clamped into the text: past the last line is the last line) and
// brings it into view.
void goToPlace(QPlainTextEdit& box, const LineColumn& place);
// Types the system's short date, a blank and its long time at the caret.
void insertTimeDate(InsertionTarget& target);

// Sends the undo, redo and clipboard keys and Del of the window's editor to its Edit entries,
// which the editor would otherwise handle itself before any menu sees them.
void routeKeys(DocumentWindow& doc);

// Binds Undo, Redo, the clipboard, Delete, Select All, Surround With Tag, Wrap Text and
// Time/Date, which type into `target`; Surround With Tag asks through `dialogs`.
void bindCommands(CommandHandlers& commands, InsertionTarget& target, DialogService& dialogs,
                  QWidget* dialogParent);

}  // namespace EditOperations
