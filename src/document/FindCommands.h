#pragma once

class DocumentWindow;
class MainFrame;

// Find, Find Next and the search behind them, over the frame's search state, which every
// document window shares.
namespace FindCommands {

// Opens the Find dialog (or reuses the open one) with the search field taken from the
// window's selection, else from the last search text.
void find(MainFrame& frame, DocumentWindow& doc);
// Searches again, or opens the dialog while there is nothing to search for.
void findNext(MainFrame& frame, DocumentWindow& doc);
// Searches the active document's visible box and selects the match, or says that there is none.
void findNextMatch(MainFrame& frame);
// Brings the Find dialog to the front while it is shown.
void raiseDialog(MainFrame& frame);

// Makes the window's Find entries live and keeps the dialog in front of its editor.
void bindTo(DocumentWindow& doc);

}  // namespace FindCommands
