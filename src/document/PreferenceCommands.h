#pragma once

class CommandHandlers;
class DialogService;
class ProgramState;
class QWidget;

// The switches of the Options and View menus that hold for the whole program: "Cancel new form
// on startup", Clear Preferences (asking first), Syntax Colouring, Line Numbers and Open Large
// Files. What each does to the program state is the state's own rule.
namespace PreferenceCommands {

void bindCommands(CommandHandlers& commands, ProgramState& state, DialogService& dialogs,
                  QWidget* dialogParent);

}  // namespace PreferenceCommands
