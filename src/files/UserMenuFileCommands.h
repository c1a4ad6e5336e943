#pragma once

#include <functional>

class CommandHandlers;
class DialogService;
class DocumentFiles;
class ProgramState;
class QString;
class QWidget;

// The Options menu's entries for userdef.dat: edit it as a document, read it again into the user
// menus, and back it up to userdef.bak (which leaving the program does too).
class UserMenuFileCommands {
public:
    // Shows a note in the status line.
    using StatusNote = std::function<void(const QString& text)>;

    UserMenuFileCommands(ProgramState& state, DocumentFiles& files, DialogService& dialogs,
                         QWidget* dialogParent, StatusNote showNote);

    void bindCommands(CommandHandlers& commands);

    // Copies userdef.dat to userdef.bak, with a note in the status line meanwhile. False when
    // there was nothing to copy or the copy failed.
    bool backUp();

private:
    ProgramState& m_state;
    DocumentFiles& m_files;
    DialogService& m_dialogs;
    QWidget* m_dialogParent;
    StatusNote m_showNote;
};
