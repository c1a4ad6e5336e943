#include "app/HelpCommands.h"

#include "app/AboutBox.h"
#include "document/CommandHandlers.h"
#include "files/DocumentFiles.h"
#include "state/ProgramState.h"

HelpCommands::HelpCommands(ProgramState& state, DocumentFiles& files, QWidget* dialogParent)
    : m_state(state), m_files(files), m_dialogParent(dialogParent) {}

void HelpCommands::bindCommands(CommandHandlers& commands) {
    commands.bind(Command::HelpReadme,
                  [this](DocumentWindow*) { m_files.openListedFile(m_state.readmeFile()); });
    commands.bind(Command::HelpAbout, [this](DocumentWindow*) { showAbout(); });
}

void HelpCommands::showAbout() {
    if (!m_about)
        m_about = new AboutBox(m_state.userMenuFile(), m_dialogParent);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}
