#include "files/UserMenuFileCommands.h"

#include "document/CommandHandlers.h"
#include "files/DocumentFiles.h"
#include "state/ProgramState.h"
#include "state/UserMenuFile.h"
#include "tags/UserMenus.h"
#include "ui/DialogService.h"

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

UserMenuFileCommands::AddedEntry UserMenuFileCommands::addEntry(int menu, const QString& line) {
    const QString path = m_state.userMenuFile();
    QFile file(path);
    const bool exists = QFileInfo(file).isFile();
    if (exists && !file.open(QIODevice::ReadOnly)) {
        m_dialogs.showNote(m_dialogParent,
                           QStringLiteral("Error encountered opening file: \n") + path);
        return {};
    }
    const auto added = UserMenuFile::withEntry(exists ? file.readAll() : QByteArray(), menu, line);
    if (!added) {
        m_dialogs.showNote(m_dialogParent,
                           QStringLiteral("User Defined %1 has %2 entries already: choose another "
                                          "menu, or make room in it with Edit Userdef.dat File.")
                               .arg(menu)
                               .arg(UserMenuFile::kEntryCount));
        return {};
    }
    // The file as it was stays in userdef.bak.
    if (exists && !backUp()) {
        m_dialogs.showNote(m_dialogParent, QStringLiteral("Error encountered writing file: \n") +
                                               m_state.userMenuBackupFile());
        return {};
    }
    if (!writeFile(added->bytes))
        return {};
    UserMenus::load(m_state, m_dialogs, m_dialogParent);
    return {true, added->entry};
}

bool UserMenuFileCommands::writeFile(const QByteArray& bytes) {
    QSaveFile file(m_state.userMenuFile());
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    m_dialogs.showNote(m_dialogParent, QStringLiteral("Error encountered writing file: \n") +
                                           m_state.userMenuFile() + QStringLiteral("\n") +
                                           file.errorString());
    return false;
}
