#pragma once

#include "app/DocumentArea.h"
#include "app/MainFrame.h"
#include "app/Program.h"
#include "recovery/RecoveryJournal.h"
#include "state/PreferencesStore.h"
#include "state/ProgramState.h"
#include "support/ScriptedDialogService.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <QUrl>
#include <memory>

class DocumentWindow;
class EditorBox;

// Runs the real frame headless with its settings store, program folder and recovery journal in a
// temporary folder, and answers its dialogs from a script. The program folder starts with an
// empty userdef.dat. No browser is ever started: the addresses it would be given are recorded.
// The live preview's module is looked for in the program folder, where there is none, unless a
// test names another folder.
class FrameFixture {
public:
    FrameFixture();
    ~FrameFixture();

    // Builds the frame and runs its start-up sequence.
    MainFrame& start(const QString& commandLine = QString());
    // Closes the frame as the user would (its shutdown runs) and forgets it.
    void quit();
    // Quits, then starts a new frame over the same store and folder.
    MainFrame& restart(const QString& commandLine = QString());
    // Ends the run as a crash would: no shutdown, the journal's entries left behind.
    void crash();

    MainFrame& frame() { return m_program->frame(); }
    // The running program's parts.
    Program& program() { return *m_program; }
    DocumentArea& documents() { return m_program->documents(); }
    // The running program's state (that of the next start while none runs).
    ProgramState& state() { return *m_state; }
    PreferencesStore& prefs() { return *m_prefs; }
    // The running program's recovery journal; its folder may be changed before a start.
    RecoveryJournal& journal() { return *m_journal; }
    QString journalRoot() const { return m_journalRoot; }
    void setJournalRoot(const QString& root) { m_journalRoot = root; }
    // Where the next start looks for the live preview's module.
    void setPreviewModuleFolder(const QString& folder) { m_previewFolder = folder; }
    ScriptedDialogService& dialogs() { return m_dialogs; }
    // The addresses handed to the browser so far.
    const QList<QUrl>& openedUrls() const { return m_openedUrls; }
    QString programDir() const;
    QString settingsPath() const;
    // A path inside the temporary folder, and a file written there.
    QString path(const QString& name) const;
    QString writeFile(const QString& name, const QByteArray& bytes) const;

    DocumentWindow* active() const;
    EditorBox* editor() const;
    // The active document's text, read without loss.
    QString text() const;
    int caret() const;
    // Types text into the active editor through real key events.
    void typeText(const QString& text);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<PreferencesStore> m_prefs;
    std::unique_ptr<ProgramState> m_state;
    QString m_journalRoot;
    std::unique_ptr<RecoveryJournal> m_journal;
    ScriptedDialogService m_dialogs;
    QList<QUrl> m_openedUrls;
    QString m_previewFolder;
    std::unique_ptr<Program> m_program;
};
