#include "files/UserMenuFileCommands.h"

#include "document/CommandHandlers.h"
#include "files/DocumentFiles.h"
#include "state/ProgramState.h"
#include "tags/UserMenus.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

UserMenuFileCommands::UserMenuFileCommands(ProgramState& state, DocumentFiles& files,
                                           DialogService& dialogs, QWidget* dialogParent,
                                           StatusNote showNote)
    : m_state(state),
      m_files(files),
      m_dialogs(dialogs),
      m_dialogParent(dialogParent),
      m_showNote(std::move(showNote)) {}

void UserMenuFileCommands::bindCommands(CommandHandlers& commands) {
    commands.bind(Command::OptionsEditUserMenus,
                  [this](DocumentWindow*) { m_files.openListedFile(m_state.userMenuFile()); });
    commands.bind(Command::OptionsUpdateUserMenus,
                  [this](DocumentWindow*) { UserMenus::load(m_state, m_dialogs, m_dialogParent); });
    commands.bind(Command::OptionsBackupUserMenus, [this](DocumentWindow*) { backUp(); });
}

bool UserMenuFileCommands::backUp() {
    m_showNote(QStringLiteral("Backing up userdef.dat file"));
    QFile source(m_state.userMenuFile());
    if (!QFileInfo(source).isFile() || !source.open(QIODevice::ReadOnly))
        return false;
    // Written whole and then renamed, so a failed copy never spoils the previous backup.
    QSaveFile backup(m_state.userMenuBackupFile());
    if (!backup.open(QIODevice::WriteOnly) || backup.write(source.readAll()) < 0 ||
        !backup.commit())
        return false;
    m_showNote(QString());
    return true;
}
