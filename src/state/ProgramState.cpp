#include "state/ProgramState.h"

#include <QDir>

ProgramState::ProgramState(PreferencesStore& store, const ProgramFolders& folders)
    : m_preferences(store),
      m_folders(folders),
      m_recentFiles(m_preferences),
      m_editorSwitches{m_preferences.syntaxColouring(), m_preferences.lineNumbers(),
                       m_preferences.openLargeFiles(), m_preferences.tagCompletion(),
                       m_preferences.autoCloseTags()} {}

QString ProgramState::readmeFile() const {
    return QDir(m_folders.readmeFolder).filePath(QStringLiteral("readme.txt"));
}

QString ProgramState::userMenuFile() const {
    return QDir(m_folders.userMenuFolder).filePath(QStringLiteral("userdef.dat"));
}

QString ProgramState::userMenuBackupFile() const {
    return QDir(m_folders.userMenuFolder).filePath(QStringLiteral("userdef.bak"));
}

void ProgramState::setUserMenus(const UserMenuFile& definitions) {
    m_userMenus = definitions;
    emit userMenusChanged();
}

void ProgramState::setPreferencesCleared(bool cleared) {
    if (m_preferences.isCleared() == cleared)
        return;
    m_preferences.setCleared(cleared);
    emit marksChanged();
}

MenuMarks ProgramState::frameMarks() const {
    MenuMarks marks = m_frameMarks;
    marks.preferencesCleared = preferencesCleared();
    return marks;
}

void ProgramState::setFrameMarks(const MenuMarks& marks) {
    m_frameMarks = marks;
    m_frameMarks.preferencesCleared = false;
    m_preferences.setCleared(marks.preferencesCleared);
    emit marksChanged();
}

void ProgramState::setTabbedWindows(bool tabbed) {
    if (m_tabbedWindows == tabbed)
        return;
    m_tabbedWindows = tabbed;
    emit marksChanged();
}

void ProgramState::setToolbarShown(bool shown) {
    if (m_toolbarShown == shown)
        return;
    m_toolbarShown = shown;
    emit marksChanged();
}

void ProgramState::setEditorSwitches(const EditorSwitches& switches) {
    if (m_editorSwitches == switches)
        return;
    m_editorSwitches = switches;
    emit editorSwitchesChanged();
}
