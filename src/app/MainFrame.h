#pragma once

#include "app/BuilderLauncher.h"
#include "app/RecentFiles.h"
#include "document/DocumentTable.h"
#include "document/FileCommands.h"
#include "document/FindEngine.h"
#include "tags/InsertionTarget.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>

class AboutBox;
class DialogService;
class DocumentWindow;
class FindDialog;
class PreferencesStore;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QVBoxLayout;
class StatusLine;
class Toolbar;

// What the frame needs from its surroundings; tests point all of it at temporary places.
struct FrameEnvironment {
    PreferencesStore& prefs;
    DialogService& dialogs;
    QString programDir;     // where readme.txt lives
    QString userMenuDir{};  // where userdef.dat and userdef.bak live; empty: programDir
};

// The main frame: document windows in an MDI area, the status line, and the program-wide state
// (document table, preferences-cleared mode) that the windows and commands share.
class MainFrame : public QMainWindow, public InsertionTarget {
    Q_OBJECT
public:
    explicit MainFrame(const FrameEnvironment& env, QWidget* parent = nullptr);
    ~MainFrame() override;

    // The start-up sequence; `commandLine` is the whole argument string (a file name or empty).
    void startUp(const QString& commandLine);

    PreferencesStore& prefs() const { return m_env.prefs; }
    DialogService& dialogs() const { return m_env.dialogs; }
    QString programDir() const { return m_env.programDir; }
    QString programFile(const QString& name) const;
    // userdef.dat and userdef.bak, in the user's menu folder.
    QString userMenuFile(const QString& name) const;
    DocumentTable& documents() { return m_documents; }
    const DocumentTable& documents() const { return m_documents; }
    QMdiArea* mdiArea() const { return m_mdi; }
    StatusLine* statusLine() const { return m_status; }
    // The toolbar, made on first use.
    Toolbar* toolbar();
    bool toolbarShown() const;
    // The tag builders, at most one of each kind open.
    BuilderLauncher& builders() { return m_builders; }
    QAction* action(const QString& name) const;
    FileCommands& fileCommands() { return m_files; }
    RecentFiles& recentFiles() { return m_recent; }

    // Preferences-cleared mode: the check mark of the frame's Clear Preferences entry.
    bool preferencesCleared() const;
    bool toolsHidden() const { return m_toolsHidden; }
    bool isApplyingAppearance() const { return m_applyingAppearance; }
    // While set, font and colour changes of the editors do not count as edits.
    void setApplyingAppearance(bool applying) { m_applyingAppearance = applying; }
    // The search state that every document window shares, and the Find dialog while open.
    FindState& findState() { return m_findState; }
    QPointer<FindDialog>& findDialog() { return m_findDialog; }

    DocumentWindow* activeDocument() const;
    bool anyDocumentsLeft() const { return m_documents.anyDocumentsLeft(); }
    DocumentWindow* newDocument();
    // Creates a document window in `slot`, runs its set-up and shows it.
    DocumentWindow* createDocumentWindow(int slot, const QString& caption);
    // Applies the stored font and colours to a window (nothing when none are stored).
    void applyStoredAppearance(DocumentWindow& doc);
    // Makes the window reach the lower right corner of the frame's client area.
    void fitToClientArea(DocumentWindow& doc);

    // Insertion into the active document (TypeKeystrokeScript). Scripts typed by one command,
    // one after another, form one undo step.
    bool hasActiveDocument() const override { return activeDocument() != nullptr; }
    void typeKeystrokeScript(const QString& script) override;
    void showStatusNote(const QString& note) override { setStatusMessage(note); }
    // Gives the active document the keyboard focus.
    void focusActiveDocument();

    void setStatusMessage(const QString& text);
    void showMessage(const QString& text);

    // Commands shared by the frame's and the document windows' menus. The two switches run when
    // their entry (the frame's with nullptr, else the window's) has already inverted its mark.
    void clearPreferences(DocumentWindow* from);
    void toggleNoform(DocumentWindow* from);
    void exitFromFrame();
    void exitFromDocument();
    void storeGeometry();
    // Copies userdef.dat to userdef.bak, with a note in the status line meanwhile.
    bool backupUserMenuFile();
    // Opens readme.txt from the program's folder as an ordinary document.
    void viewReadme();
    void showAbout();

    // Hooks of the document windows.
    bool queryCloseDocument(DocumentWindow* doc);
    void documentUnloaded(DocumentWindow* doc);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void restoreGeometry();
    void showMenusOf(QMdiSubWindow* sub);
    void applyStoredFontStatus();
    bool openCommandLineFile(const QString& name);
    void closeNoformWindow();
    void queryUnload();
    void showDocumentTools(bool shown);

    FrameEnvironment m_env;
    DocumentTable m_documents;
    QMdiArea* m_mdi;
    StatusLine* m_status;
    QList<QMenu*> m_menus;
    bool m_toolsHidden = false;
    bool m_applyingAppearance = false;
    bool m_skipQueryUnload = false;
    bool m_closingAll = false;  // shutdown: every window has agreed to close
    QPointer<DocumentWindow> m_insertingInto;
    FileCommands m_files;
    RecentFiles m_recent;
    QPointer<AboutBox> m_about;
    Toolbar* m_toolbar = nullptr;
    QVBoxLayout* m_centralLayout = nullptr;
    BuilderLauncher m_builders;
    FindState m_findState;
    QPointer<FindDialog> m_findDialog;
};
