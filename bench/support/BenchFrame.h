#pragma once

#include "app/DocumentArea.h"
#include "app/MainFrame.h"
#include "app/Program.h"
#include "recovery/RecoveryJournal.h"
#include "state/PreferencesStore.h"
#include "state/ProgramState.h"
#include "support/ScriptedDialogService.h"

#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <memory>

class DocumentWindow;

// The real frame, started as the program starts it, with its settings, program folder and
// recovery journal in a temporary folder and scripted dialogs.
class BenchFrame {
public:
    // With `editorAids` false the program starts with colouring and line numbers switched off.
    explicit BenchFrame(bool editorAids = true);
    ~BenchFrame();

    MainFrame& frame() { return m_program->frame(); }
    Program& program() { return *m_program; }
    ProgramState& state() { return *m_state; }
    DocumentWindow* doc() const;
    ScriptedDialogService& dialogs() { return m_dialogs; }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    // A file in the temporary folder holding the generated page of `bytes` bytes.
    QString htmlFile(qint64 bytes) const;
    // Replaces the first window's text with `bytes`, as opening a file does, and lets the
    // colouring finish.
    void load(const QByteArray& bytes);
    // Switches View > Syntax Colouring and View > Line Numbers for every window (both are on as
    // the program ships) and lets a colouring that was switched on finish.
    void setEditorAids(bool colouring, bool lineNumbers);
    // Switches View > Tag Completion and View > Auto-close Tags for every window (both are on as
    // the program ships).
    void setTypingAids(bool completion, bool autoClose);
    // Runs the event loop until every open document's colouring has no work left.
    void finishColouring();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<PreferencesStore> m_prefs;
    std::unique_ptr<ProgramState> m_state;
    std::unique_ptr<RecoveryJournal> m_journal;
    ScriptedDialogService m_dialogs;
    std::unique_ptr<Program> m_program;
};

// The floor: a bare QPlainTextEdit holding the same text in the same font, shown the way a
// document is, in an MDI window of a main window, with nothing of the program around it.
class BareEditor {
public:
    BareEditor();
    QPlainTextEdit& editor() { return *m_editor; }
    void load(const QByteArray& bytes);
    // Gives the text the same room as in `ours` (whose line numbers take some of its width), so
    // that both wrap the text alike.
    void matchTextArea(const QPlainTextEdit& ours);

private:
    QMainWindow m_window;
    QPlainTextEdit* m_editor;
};

// One frame and one bare editor per document size, made once and kept for every benchmark; the
// bare editor's text area is as large as the program's.
struct SizedPair {
    BenchFrame ours;
    BareEditor bare;
};
SizedPair& pairFor(qint64 bytes);
// Frees every pair; called before the application object goes.
void releasePairs();
// Puts the caret of an editor in the middle of its text.
void caretToMiddle(QPlainTextEdit& editor);
// Lets the event loop finish what an edit scheduled (layout, painting).
void settle();
// Sends a key press or release straight to a widget.
void sendKey(QWidget* widget, QEvent::Type type, int key, const QString& text);
// Types "a" and erases it again with Backspace, then settles.
void typeAndErase(QWidget* editor);
