#pragma once

#include "app/FrameGeometry.h"
#include "commands/Command.h"

#include <QMainWindow>
#include <QString>
#include <functional>

class CommandHandlers;
class CommandMenus;
class ProgramState;
class QMdiArea;
class QMdiSubWindow;
class QSplitter;
class QVBoxLayout;
class StatusLine;
class Toolbar;

// The main frame: document windows in an MDI area, the toolbar and the status line, and its own
// menus while no document is open. It shows what it is given; the program composes what runs.
class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    MainFrame(ProgramState& state, const CommandHandlers& commands, QWidget* parent = nullptr);
    ~MainFrame() override;

    QMdiArea* mdiArea() const { return m_mdi; }
    StatusLine* statusLine() const { return m_status; }
    // The frame's own menu entry of a command, and its recent-file entries by object name.
    QAction* action(Command id) const;
    QAction* entry(const QString& name) const;
    // Sets the marks of the frame's own entries from the program state.
    void refreshMenus();

    // Binds Exit and Toolbar, which are the frame's own.
    void bindCommands(CommandHandlers& commands);
    // What closing the frame asks of the open documents: false keeps the frame open.
    void setDocumentCloser(std::function<bool()> closeDocuments);

    // Puts the frame where it was left (never off the screens) and shows it.
    void showAtStoredPlace();

    // The toolbar, made by `makeToolbar` on first use.
    void setToolbarMaker(std::function<Toolbar*()> makeToolbar);
    Toolbar* toolbar();
    bool toolbarShown() const;
    void showToolbar(bool shown);
    // Save, Cut, Copy, Paste and the boxes are there only while a document is open.
    void showDocumentTools(bool shown);
    bool toolsHidden() const { return m_toolsHidden; }

    // Shows `panel` between the document windows and the status line, sharing the document
    // area's room with a divider the user can drag.
    void showUnderDocuments(QWidget* panel);

    void setStatusMessage(const QString& text);
    // The active document's "Ln, Col" in the status line (nothing while none is open).
    void showCaretPlace();

    void exitFromFrame();
    void exitFromDocument();
    void storeGeometry();

signals:
    // A recent-file entry of the frame's own File menu was chosen.
    void recentFileChosen(const QString& fileName);
    // The user is leaving: before the documents are asked (the frame's Exit skips this).
    void leaving();
    // Every document has closed and the frame is about to.
    void closingDown();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void restoreGeometry();
    void keepFrameOnScreen();
    void showMenusOf(QMdiSubWindow* sub);
    void prepareToLeave();

    ProgramState& m_state;
    const CommandHandlers& m_commands;
    QMdiArea* m_mdi;
    StatusLine* m_status;
    CommandMenus* m_menus = nullptr;
    std::function<bool()> m_closeDocuments;
    std::function<Toolbar*()> m_makeToolbar;
    Toolbar* m_toolbar = nullptr;
    QVBoxLayout* m_centralLayout = nullptr;
    QSplitter* m_documentSplit = nullptr;
    FrameGeometry m_geometry;
    bool m_toolsHidden = false;
    bool m_leavingFromMenu = false;
};
