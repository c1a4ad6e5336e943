#pragma once

#include "app/DocumentWindows.h"
#include "app/FrameCommands.h"
#include "app/MainFrame.h"
#include "document/ScriptedDialogService.h"
#include "state/PreferencesStore.h"
#include "state/ProgramState.h"

#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <memory>

class DocumentWindow;

// The real frame, started as the program starts it, with its settings and program folder in a
// temporary folder and scripted dialogs.
class BenchFrame {
public:
    BenchFrame();
    ~BenchFrame();

    MainFrame& frame() { return *m_frame; }
    DocumentWindow* doc() const;
    ScriptedDialogService& dialogs() { return m_dialogs; }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    // Replaces the first window's text with `bytes`, as opening a file does.
    void load(const QByteArray& bytes);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<PreferencesStore> m_prefs;
    std::unique_ptr<ProgramState> m_state;
    ScriptedDialogService m_dialogs;
    std::unique_ptr<MainFrame> m_frame;
};

// The floor: a bare QPlainTextEdit holding the same text in the same font, shown the way a
// document is, in an MDI window of a main window, with nothing of the program around it.
class BareEditor {
public:
    BareEditor();
    QPlainTextEdit& editor() { return *m_editor; }
    void load(const QByteArray& bytes);

private:
    QMainWindow m_window;
    QPlainTextEdit* m_editor;
};

// One frame and one bare editor per document size, made once and kept for every benchmark.
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
