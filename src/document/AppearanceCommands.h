#pragma once

class DocumentWindow;
class MainFrame;

// The colour and font commands of a document window's Options menu, and the refreshes that
// carry a stored choice to every open document window. Fonts and colours only change how the
// editors show the text: none of this counts as an edit.
namespace AppearanceCommands {

// Background colour: the window's colour dialog, preset from the editor; both colours stored.
void chooseBackColor(DocumentWindow& doc);
// Foreground colour: likewise, reaching only this window at once.
void chooseForeColor(DocumentWindow& doc);
// Font: the window's font dialog, preset from the editor; all six font keys stored.
void chooseFont(DocumentWindow& doc);

// Gives every open document window the stored background colour.
void refreshBackgrounds(MainFrame& frame);
// Gives every open document window the stored font.
void refreshFonts(MainFrame& frame);

// Makes the window's colour and font entries live.
void bindTo(DocumentWindow& doc);

}  // namespace AppearanceCommands
