#pragma once

#include <functional>

class CommandHandlers;
class QString;

// View > Fold, Unfold and Unfold All, at the caret's line of the document chosen.
namespace FoldCommands {

// Binds the three; `showNote` writes to the status line what they did or why they did nothing.
void bindCommands(CommandHandlers& commands, std::function<void(const QString&)> showNote);

}  // namespace FoldCommands
