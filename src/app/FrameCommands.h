#pragma once

#include "app/ButtonHelp.h"
#include "builders/BuilderLauncher.h"
#include "commands/Command.h"
#include "document/AppearanceCommands.h"
#include "files/FileCommands.h"
#include "find/FindCommands.h"
#include "tools/PageTools.h"

#include <QPointer>

class AboutBox;
class DocumentWindow;
class MainFrame;
class Preferences;
class ReplaceDialog;
class TemplateOptionsDialog;
struct EditorSwitches;

// What every menu command and toolbar button does, for the frame's menus (no document) and for
// each document window's (that document, which is the active one).
class FrameCommands {
public:
    explicit FrameCommands(MainFrame& frame);

    // Runs a command chosen in the frame's menus (`doc` nullptr) or in a document window's.
    void run(Command id, DocumentWindow* doc);
    // A toolbar button's command, on the active document.
    void runToolbarButton(ToolbarButton button);
    // A recent-file entry: the file in a new window, whatever its size.
    void openRecentFile(const QString& fileName);
    // Copies userdef.dat to userdef.bak, with a note in the status line meanwhile.
    bool backupUserMenuFile();

    FileCommands& files() { return m_files; }
    FindCommands& find() { return m_find; }
    AppearanceCommands& appearance() { return m_appearance; }
    BuilderLauncher& builders() { return m_builders; }
    PageTools& pageTools() { return m_pageTools; }

private:
    using Handler = void (FrameCommands::*)(DocumentWindow*);
    struct HandlerRow {
        Command id;
        Handler handler;
    };
    // One row per command.
    static const HandlerRow kHandlers[];

    void newDocument(DocumentWindow*);
    void open(DocumentWindow*);
    void close(DocumentWindow* doc);
    void save(DocumentWindow* doc);
    void saveAs(DocumentWindow* doc);
    void exit(DocumentWindow* doc);
    void undo(DocumentWindow* doc);
    void redo(DocumentWindow* doc);
    void cut(DocumentWindow* doc);
    void copy(DocumentWindow* doc);
    void paste(DocumentWindow* doc);
    void deleteSelection(DocumentWindow* doc);
    void selectAll(DocumentWindow* doc);
    void surroundWithTag(DocumentWindow* doc);
    void findText(DocumentWindow* doc);
    void findNext(DocumentWindow* doc);
    void replace(DocumentWindow* doc);
    void goToLine(DocumentWindow* doc);
    void wrapText(DocumentWindow* doc);
    void insertTimeDate(DocumentWindow*);
    void quickPage(DocumentWindow*);
    void templateOptions(DocumentWindow*);
    void toggleToolbar(DocumentWindow*);
    void toggleCancelNewForm(DocumentWindow* doc);
    void backgroundColor(DocumentWindow* doc);
    void foregroundColor(DocumentWindow* doc);
    void font(DocumentWindow* doc);
    void editUserMenus(DocumentWindow*);
    void updateUserMenus(DocumentWindow*);
    void backupUserMenus(DocumentWindow*);
    void clearPreferences(DocumentWindow* doc);
    void previewInBrowser(DocumentWindow* doc);
    void checkPage(DocumentWindow* doc);
    void toggleOpenLargeFiles(DocumentWindow*);
    void toggleSyntaxColouring(DocumentWindow*);
    void toggleLineNumbers(DocumentWindow*);
    void cascade(DocumentWindow*);
    void tile(DocumentWindow*);
    void arrangeIcons(DocumentWindow*);
    void nextWindow(DocumentWindow*);
    void previousWindow(DocumentWindow*);
    void tabbedWindows(DocumentWindow*);
    void viewReadme(DocumentWindow*);
    void about(DocumentWindow*);

    void templateChosen(bool marked, const QString& file);
    void setTemplateMarks(bool marked);
    // Flips one of the editor switches program-wide and stores it with `store`.
    void flipEditorSwitch(bool EditorSwitches::*which, void (Preferences::*store)(bool));

    MainFrame& m_frame;
    FileCommands m_files;
    FindCommands m_find;
    AppearanceCommands m_appearance;
    BuilderLauncher m_builders;
    PageTools m_pageTools;
    QPointer<AboutBox> m_about;
    QPointer<TemplateOptionsDialog> m_templateOptions;
    QPointer<ReplaceDialog> m_replace;
};
