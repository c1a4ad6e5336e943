#pragma once

class QDialog;
class QWidget;

// A modal dialog belongs to the window the user is working in. Owned by a window behind that one
// (the frame, while a Find or builder dialog is active) or by none, the window manager may put it
// behind the others, where it blocks every key and click without being seen.
namespace DialogFront {

// The window to own a dialog: the open modal dialog, else the active window, else the window of
// `requested` (at start-up, before any window of the program is active).
QWidget* owner(QWidget* requested);

// Runs `dialog` modally, raised and made active as soon as it shows.
int exec(QDialog& dialog);

}  // namespace DialogFront
