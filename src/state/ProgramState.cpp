#include "state/ProgramState.h"

#include <QDir>

namespace {

// Where a switch lives in the editor's switches and how the preferences store it.
struct SwitchStorage {
    bool EditorSwitches::*member;
    void (Preferences::*save)(bool);
};

SwitchStorage storageOf(EditorSwitch which) {
    switch (which) {
        case EditorSwitch::SyntaxColouring:
            return {&EditorSwitches::syntaxColouring, &Preferences::setSyntaxColouring};
        case EditorSwitch::LineNumbers:
            return {&EditorSwitches::lineNumbers, &Preferences::setLineNumbers};
        case EditorSwitch::OpenLargeFiles:
            return {&EditorSwitches::openLargeFiles, &Preferences::setOpenLargeFiles};
        case EditorSwitch::TagCompletion:
            return {&EditorSwitches::tagCompletion, &Preferences::setTagCompletion};
        case EditorSwitch::AutoCloseTags:
            return {&EditorSwitches::autoCloseTags, &Preferences::setAutoCloseTags};
    }
    return {&EditorSwitches::syntaxColouring, &Preferences::setSyntaxColouring};
}

}  // namespace

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

MenuMarks ProgramState::marksOf(std::optional<int> slot) const {
    return slot ? m_documents.marks(*slot) : frameMarks();
}

MenuMarks ProgramState::marksForNewWindow() const {
    MenuMarks marks;
    marks.useTemplate = m_preferences.templateOptions().marksNewDocument();
    marks.startWithoutDocument = m_preferences.startWithoutDocument();
    marks.preferencesCleared = preferencesCleared();
    return marks;
}

void ProgramState::setTemplateMarks(bool marked, std::optional<int> activeSlot) {
    MenuMarks frame = frameMarks();
    frame.useTemplate = marked;
    setFrameMarks(frame);
    if (activeSlot) {
        MenuMarks marks = m_documents.marks(*activeSlot);
        marks.useTemplate = marked;
        m_documents.setMarks(*activeSlot, marks);
    }
}

void ProgramState::markTemplateAtStartUp() {
    if (m_preferences.templateOptions().marksFrameAtStartUp())
        setTemplateMarks(true, std::nullopt);
}

void ProgramState::toggleStartWithoutDocument(std::optional<int> slot) {
    MenuMarks frame = frameMarks();
    bool on = !frame.startWithoutDocument;
    if (slot) {
        MenuMarks marks = m_documents.marks(*slot);
        on = marks.startWithoutDocument = !marks.startWithoutDocument;
        m_documents.setMarks(*slot, marks);
        if (preferencesCleared())
            return;
    }
    m_preferences.setStartWithoutDocument(on);
    frame.startWithoutDocument = on;
    setFrameMarks(frame);
}

bool ProgramState::closesStartWindow() {
    if (!m_preferences.startWithoutDocument())
        return false;
    MenuMarks frame = frameMarks();
    frame.startWithoutDocument = true;
    setFrameMarks(frame);
    return true;
}

bool ProgramState::clearingNeedsConsent(std::optional<int> slot) {
    if (!marksOf(slot).preferencesCleared)
        return true;
    if (slot) {
        MenuMarks marks = m_documents.marks(*slot);
        marks.preferencesCleared = false;
        m_documents.setMarks(*slot, marks);
    }
    setPreferencesCleared(false);
    return false;
}

void ProgramState::clearPreferences(std::optional<int> slot) {
    m_preferences.clearAll();
    setTemplateMarks(false, slot);
    setPreferencesCleared(true);
    if (slot) {
        MenuMarks marks = m_documents.marks(*slot);
        marks.preferencesCleared = true;
        m_documents.setMarks(*slot, marks);
    }
}

void ProgramState::flipEditorSwitch(EditorSwitch which) {
    const SwitchStorage storage = storageOf(which);
    EditorSwitches switches = m_editorSwitches;
    switches.*storage.member = !(switches.*storage.member);
    setEditorSwitches(switches);
    (m_preferences.*storage.save)(switches.*storage.member);
}
