#pragma once

class DocumentWindow;
class MainFrame;

// The Edit menu's commands on the frame's active document (nothing when none is open). The
// clipboard commands are shared with the toolbar buttons.
namespace EditCommands {

// Puts the selection on the clipboard as plain text and removes it.
void cutSelection(MainFrame& frame);
// Puts the selection on the clipboard as plain text (an empty text when nothing is selected).
void copySelection(MainFrame& frame);
// Replaces the selection with the clipboard's text (an empty text when it holds none).
void pasteClipboard(MainFrame& frame);
// Removes the selection, else the one position after the caret (a whole line break).
void deleteSelection(MainFrame& frame);
// Selects the whole text in the visible box and in the hidden one, leaving the focus alone.
void selectAll(MainFrame& frame);
// Types the system's short date, a blank and its long time at the caret.
void insertTimeDate(MainFrame& frame);

// Makes the window's Edit entries and Time/Date live, and sends the clipboard keys and Del of
// its editor to them.
void bindTo(DocumentWindow& doc);

}  // namespace EditCommands
