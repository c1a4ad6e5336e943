#pragma once

#include "builders/BuilderLauncher.h"
#include "document/AppearanceOptions.h"
#include "document/CommandHandlers.h"
#include "files/DiskChanges.h"
#include "files/DiskWatch.h"
#include "files/DocumentFiles.h"
#include "files/RecordingCommands.h"
#include "files/UserMenuFileCommands.h"
#include "find/DocumentSearch.h"
#include "templates/TemplateCommands.h"
#include "tools/LivePreviewSwitch.h"
#include "tools/PageTools.h"

#include <QString>
#include <memory>

class DialogService;
class DocumentArea;
class DocumentRecovery;
class HelpCommands;
class MainFrame;
class ProgramState;
class QDockWidget;
class RecoveryJournal;
class WindowMarks;

// The running program: the main frame and the parts behind its menus, each made here and handed
// exactly what it uses, and every command bound to the part that carries it out.
class Program {
public:
    // With a journal, changed documents are kept in it, and what runs that ended uncleanly left
    // there is offered once start-up is done.
    Program(ProgramState& state, DialogService& dialogs, RecoveryJournal* journal = nullptr);
    ~Program();

    // The start-up sequence; `commandLine` is the whole argument string (a file name or empty).
    void startUp(const QString& commandLine);

    MainFrame& frame() { return *m_frame; }
    DocumentArea& documents() { return *m_documents; }
    DocumentFiles& files() { return m_files; }
    DiskWatch& diskWatch() { return m_diskWatch; }
    DocumentSearch& search() { return m_search; }
    BuilderLauncher& builders() { return m_builders; }
    PageTools& pageTools() { return m_pageTools; }
    LivePreviewSwitch& livePreview() { return m_livePreview; }
    UserMenuFileCommands& userMenuFile() { return m_userMenuFile; }
    const CommandHandlers& commands() const { return m_commands; }

private:
    void connectParts();
    void watchDisk();
    void connectLivePreview();
    void bindCommands();
    void showBesideDocuments(QDockWidget* dock, const DockPlace& place);
    bool openCommandLineFile(const QString& name);

    ProgramState& m_state;
    DialogService& m_dialogs;
    CommandHandlers m_commands;
    std::unique_ptr<MainFrame> m_frame;
    DocumentArea* m_documents;
    DiskWatch m_diskWatch;
    DiskChanges m_diskChanges;
    DocumentFiles m_files;
    DocumentSearch m_search;
    AppearanceOptions m_appearance;
    BuilderLauncher m_builders;
    PageTools m_pageTools;
    LivePreviewSwitch m_livePreview;
    TemplateCommands m_templates;
    UserMenuFileCommands m_userMenuFile;
    RecordingCommands m_recording;
    std::unique_ptr<HelpCommands> m_help;
    std::unique_ptr<WindowMarks> m_marks;
    DocumentRecovery* m_recovery = nullptr;
};
