#pragma once

#include "state/DocumentTable.h"
#include "state/EditorSwitches.h"
#include "state/FindState.h"
#include "state/Preferences.h"
#include "state/ProgramFolders.h"
#include "state/RecentFileList.h"
#include "state/UserMenuFile.h"

#include <QObject>
#include <optional>

class PreferencesStore;

// Everything the program's windows share, apart from the widgets that show it: the document
// table, the search state, the recent-file list, the user-menu definitions, the preferences with
// their cleared mode, and the frame's own menu marks. main() owns it and hands it to the frame;
// windows and menus redraw from it when it signals.
class ProgramState : public QObject {
    Q_OBJECT
public:
    ProgramState(PreferencesStore& store, const ProgramFolders& folders);

    Preferences& preferences() { return m_preferences; }
    const Preferences& preferences() const { return m_preferences; }
    DocumentTable& documents() { return m_documents; }
    const DocumentTable& documents() const { return m_documents; }
    FindState& search() { return m_search; }
    RecentFileList& recentFiles() { return m_recentFiles; }

    // readme.txt, and the user's userdef.dat and userdef.bak.
    QString readmeFile() const;
    QString userMenuFile() const;
    QString userMenuBackupFile() const;

    // The four user menus as last read from userdef.dat (empty when it could not be read).
    const UserMenuFile& userMenus() const { return m_userMenus; }
    void setUserMenus(const UserMenuFile& definitions);

    // Preferences-cleared mode, which the frame's Clear Preferences entry shows.
    bool preferencesCleared() const { return m_preferences.isCleared(); }
    void setPreferencesCleared(bool cleared);

    // The frame's Template and "Cancel new form on startup" marks; its Clear Preferences mark is
    // the cleared mode itself.
    MenuMarks frameMarks() const;
    void setFrameMarks(const MenuMarks& marks);
    // The marks of the menus of `slot`, or the frame's with no slot.
    MenuMarks marksOf(std::optional<int> slot) const;
    // The marks a new document window starts with: from the stored choices and the cleared mode.
    MenuMarks marksForNewWindow() const;

    // Template Options chose whether templates are used: the frame's Template mark and that of
    // the active document's menus follow (other windows keep theirs until reopened).
    void setTemplateMarks(bool marked, std::optional<int> activeSlot);
    // At start-up the frame's Template mark shows whether the stored template options are on.
    void markTemplateAtStartUp();

    // "Cancel new form on startup" chosen in the menus of `slot` (the frame's with none): flips
    // that menu's mark and stores the choice; the frame's mark follows a window's only when the
    // choice could be stored.
    void toggleStartWithoutDocument(std::optional<int> slot);
    // At the end of start-up: true when the first window is to close again because the stored
    // choice says to start without a document; the frame's entry is then marked.
    bool closesStartWindow();

    // Clear Preferences chosen in the menus of `slot` (the frame's with none). The entry's own
    // mark decides: a marked entry ends preferences-cleared mode at once (returns false);
    // otherwise the user is to be asked first (returns true) and then clearPreferences() runs.
    bool clearingNeedsConsent(std::optional<int> slot);
    // Forgets every stored preference, unmarks the templates and enters preferences-cleared
    // mode, marking the entry of `slot`.
    void clearPreferences(std::optional<int> slot);

    // Whether the frame shows its toolbar, which every window's Toolbar entry marks.
    bool toolbarShown() const { return m_toolbarShown; }
    void setToolbarShown(bool shown);
    // Whether the document windows show as tabs, which every window's Tabbed Windows entry marks.
    bool tabbedWindows() const { return m_tabbedWindows; }
    void setTabbedWindows(bool tabbed);

    // View > Syntax Colouring, Line Numbers, Tag Completion and Auto-close Tags and Options > Open
    // Large Files, as stored when the program started and switched since (also while preferences
    // are cleared).
    const EditorSwitches& editorSwitches() const { return m_editorSwitches; }
    void setEditorSwitches(const EditorSwitches& switches);
    // Flips one switch for every window and stores it.
    void flipEditorSwitch(EditorSwitch which);

signals:
    void userMenusChanged();
    // The frame's marks, the cleared mode, the toolbar or the tabs changed.
    void marksChanged();
    void editorSwitchesChanged();

private:
    Preferences m_preferences;
    ProgramFolders m_folders;
    DocumentTable m_documents;
    FindState m_search;
    RecentFileList m_recentFiles;
    UserMenuFile m_userMenus;
    MenuMarks m_frameMarks;
    bool m_toolbarShown = false;
    EditorSwitches m_editorSwitches;
    bool m_tabbedWindows = false;
};
