#pragma once

#include "app/ButtonHelp.h"
#include "document/DocumentWindow.h"
#include "tags/InsertionTarget.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class CommandHandlers;
class QMdiArea;
class QMdiSubWindow;

// The document windows in the frame's MDI area: the views of the document table's slots. It
// makes them, finds the active one, types scripts into it, and answers what a window asks of
// the program (its close prompt, its going away, its recent files).
class DocumentArea : public QObject, public DocumentWindow::Host, public InsertionTarget {
    Q_OBJECT
public:
    // The close prompt of one window; false keeps it open.
    using ClosePrompt = std::function<bool(DocumentWindow& doc)>;

    DocumentArea(QMdiArea& area, ProgramState& state, DialogService& dialogs,
                 const CommandHandlers& commands, QWidget* frame);

    // What a window asks before it closes, and what a recent-file entry opens.
    void setClosePrompt(ClosePrompt prompt) { m_closePrompt = std::move(prompt); }
    void setRecentFileOpener(std::function<void(const QString&)> open);

    // Binds File > New.
    void bindCommands(CommandHandlers& commands);
    // A toolbar button's command, on the active document.
    void runToolbarButton(ToolbarButton button);

    DocumentWindow* active() const;
    QList<DocumentWindow*> openWindows() const;
    DocumentWindow* window(int slot) const;

    // File > New: an "Untitled:<slot>" window with the stored appearance and the template.
    DocumentWindow* newDocument();
    // Makes a window in `slot`, runs its set-up and shows it.
    DocumentWindow* create(int slot, const QString& caption);
    // A window in a new slot, sized and styled, ready for a file's text.
    DocumentWindow* createForFile(const QString& caption);
    // The same for a text that has no file yet: "Untitled:<slot>", without the template.
    DocumentWindow* createUntitled();
    // Makes the window reach the lower right corner of the frame's client area.
    void fitToClientArea(DocumentWindow& doc);
    // Loads the template into `doc` when templates are in force, leaving it unchanged. True when
    // it was loaded.
    bool applyTemplate(DocumentWindow& doc);
    // Gives the active document the keyboard focus.
    void focusActive();
    // Leaving the program: asks every window before any closes, so that Cancel in one keeps all
    // of them open, those already answered with No included; then closes them all. False when
    // one was kept.
    bool closeAll();

    // Insertion into the active document. Scripts typed by one command, one after another, form
    // one undo step.
    bool hasActiveDocument() const override { return active() != nullptr; }
    void typeKeystrokeScript(const QString& script) override;
    void showStatusNote(const QString& note) override;

    bool queryClose(DocumentWindow& doc) override;
    void closed(DocumentWindow& doc) override;
    void openRecentFile(const QString& fileName) override;

signals:
    // A window was made and shown (its text still empty), or agreed to close and is about to go.
    void created(DocumentWindow& doc);
    void closing(DocumentWindow& doc);
    // The first window opened, or the last one closed.
    void documentsOpen(bool open);
    // A text for the status line, and the active document's caret moved.
    void statusMessage(const QString& text);
    void caretMoved();
    // The template could not be read; a message said so.
    void templateRefused();

private:
    void leaveCloseKeysToTheMenu(QMdiSubWindow& sub, DocumentWindow& doc);
    void connectWindow(DocumentWindow& doc);

    QMdiArea& m_area;
    ProgramState& m_state;
    DialogService& m_dialogs;
    const CommandHandlers& m_commands;
    QWidget* m_frame;
    ClosePrompt m_closePrompt;
    std::function<void(const QString&)> m_openRecentFile;
    QList<QPointer<DocumentWindow>> m_windows;
    QPointer<DocumentWindow> m_insertingInto;
    bool m_closingAll = false;
};
