#include "templates/TemplateCommands.h"

#include "document/CommandHandlers.h"
#include "state/ProgramState.h"
#include "templates/TemplateOptionsDialog.h"
#include "templates/Templates.h"

#include <QFileInfo>

TemplateCommands::TemplateCommands(ProgramState& state, CommonDialog& fileDialog,
                                   DialogService& dialogs, QWidget* dialogParent,
                                   ActiveSlot activeSlot, TemplateNote showTemplate)
    : m_state(state),
      m_fileDialog(fileDialog),
      m_dialogs(dialogs),
      m_dialogParent(dialogParent),
      m_activeSlot(std::move(activeSlot)),
      m_showTemplate(std::move(showTemplate)) {}

void TemplateCommands::bindCommands(CommandHandlers& commands) {
    commands.bind(
        Command::OptionsTemplate, [this](DocumentWindow*) { showOptions(); },
        [](const CommandStatus& status) { return status.marks.useTemplate; });
}

void TemplateCommands::showOptions() {
    // A dialog that was just closed is hidden while it waits to be deleted: it is not reused.
    if (!m_dialog || m_dialog->isHidden()) {
        // The shipped templates lie beside the read-me file.
        const QString starters = QFileInfo(m_state.readmeFile()).absolutePath();
        m_dialog = new TemplateOptionsDialog(m_state.preferences(), m_fileDialog, m_dialogs,
                                             starters, m_dialogParent);
        QObject::connect(m_dialog, &TemplateOptionsDialog::chosen, m_dialog,
                         [this](bool marked, const QString& file) { chosen(marked, file); });
        m_dialog->show();
    }
    m_dialog->raise();
    m_dialog->activateWindow();
}

void TemplateCommands::chosen(bool marked, const QString& file) {
    m_state.setTemplateMarks(marked, m_activeSlot());
    if (!m_state.preferencesCleared())
        m_showTemplate(Templates::statusText(file));
}
