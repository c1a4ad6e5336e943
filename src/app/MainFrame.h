#pragma once

#include "app/FrameGeometry.h"
#include "commands/Command.h"

#include <QMainWindow>
#include <QString>
#include <memory>

class CommandSet;
class DialogService;
class DocumentRecovery;
class DocumentWindows;
class FrameCommands;
class ProgramState;
class QMdiArea;
class QMdiSubWindow;
class QSplitter;
class QVBoxLayout;
class RecoveryJournal;
class StatusLine;
class Toolbar;

// The main frame: document windows in an MDI area, the toolbar and the status line, and its own
// menus while no document is open. What the windows share lives in the program state.
class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    // With a journal, changed documents are kept in it, and what runs that ended uncleanly left
    // there is offered once start-up is done.
    MainFrame(ProgramState& state, DialogService& dialogs, RecoveryJournal* journal = nullptr,
              QWidget* parent = nullptr);
    ~MainFrame() override;

    // The start-up sequence; `commandLine` is the whole argument string (a file name or empty).
    void startUp(const QString& commandLine);

    ProgramState& state() const { return m_state; }
    DialogService& dialogs() const { return m_dialogs; }
    DocumentWindows& documents() const { return *m_documents; }
    FrameCommands& commands() const { return *m_commands; }
    QMdiArea* mdiArea() const { return m_mdi; }
    StatusLine* statusLine() const { return m_status; }
    // The frame's own menu entry of a command, and its recent-file entries by object name.
    QAction* action(Command id) const;
    QAction* entry(const QString& name) const;

    // The toolbar, made on first use.
    Toolbar* toolbar();
    bool toolbarShown() const;
    void showToolbar(bool shown);
    // The document windows as tabs across the area, or as windows inside it.
    void showTabbedWindows(bool tabbed);
    // Save, Cut, Copy, Paste and the boxes are there only while a document is open.
    void showDocumentTools(bool shown);
    bool toolsHidden() const { return m_toolsHidden; }

    // Shows `panel` between the document windows and the status line, sharing the document
    // area's room with a divider the user can drag.
    void showUnderDocuments(QWidget* panel);

    void setStatusMessage(const QString& text);
    // The active document's "Ln, Col" in the status line (nothing while none is open).
    void showCaretPlace();
    void showMessage(const QString& text);

    void exitFromFrame();
    void exitFromDocument();
    void storeGeometry();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void refreshCommands();
    void restoreGeometry();
    void keepFrameOnScreen();
    void showMenusOf(QMdiSubWindow* sub);
    bool openCommandLineFile(const QString& name);
    void closeNoformWindow();
    void queryUnload();

    ProgramState& m_state;
    DialogService& m_dialogs;
    QMdiArea* m_mdi;
    StatusLine* m_status;
    CommandSet* m_menus = nullptr;
    DocumentWindows* m_documents;
    std::unique_ptr<FrameCommands> m_commands;
    DocumentRecovery* m_recovery = nullptr;
    Toolbar* m_toolbar = nullptr;
    QVBoxLayout* m_centralLayout = nullptr;
    QSplitter* m_documentSplit = nullptr;
    FrameGeometry m_geometry;
    bool m_toolsHidden = false;
    bool m_skipQueryUnload = false;
};
