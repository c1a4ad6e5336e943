#pragma once

#include "document/DocumentWindow.h"
#include "tags/InsertionTarget.h"

#include <QList>
#include <QObject>
#include <QPointer>

class MainFrame;
class QMdiArea;
class QMdiSubWindow;

// The document windows in the frame's MDI area: the views of the document table's slots. It
// makes them, finds the active one, types scripts into it, and answers what a window asks of
// the program (its commands, its close prompt, its going away).
class DocumentWindows : public QObject, public DocumentWindow::Host, public InsertionTarget {
    Q_OBJECT
public:
    explicit DocumentWindows(MainFrame& frame);

    DocumentWindow* active() const;
    QList<DocumentWindow*> openWindows() const;
    DocumentWindow* window(int slot) const;

    // File > New: an "Untitled:<slot>" window with the stored appearance and the template.
    DocumentWindow* newDocument();
    // Makes a window in `slot`, runs its set-up and shows it.
    DocumentWindow* create(int slot, const QString& caption);
    // A window in a new slot, sized and styled, ready for a file's text.
    DocumentWindow* createForFile(const QString& caption);
    // Makes the window reach the lower right corner of the frame's client area.
    void fitToClientArea(DocumentWindow& doc);
    // Loads the template into `doc` when templates are in force, leaving it unchanged. True when
    // it was loaded.
    bool applyTemplate(DocumentWindow& doc);
    // Gives the active document the keyboard focus.
    void focusActive();

    // Shutdown: every window has agreed to close, so none asks again.
    void setClosingAll(bool closing) { m_closingAll = closing; }

    // Insertion into the active document. Scripts typed by one command, one after another, form
    // one undo step.
    bool hasActiveDocument() const override { return active() != nullptr; }
    void typeKeystrokeScript(const QString& script) override;
    void showStatusNote(const QString& note) override;

    void runCommand(Command id, DocumentWindow& doc) override;
    bool queryClose(DocumentWindow& doc) override;
    void closed(DocumentWindow& doc) override;
    void openRecentFile(const QString& fileName) override;

signals:
    // A window was made and shown (its text still empty), or agreed to close and is about to go.
    void created(DocumentWindow& doc);
    void closing(DocumentWindow& doc);

private:
    void setInitialMarks(DocumentWindow& doc);
    void leaveCloseKeysToTheMenu(QMdiSubWindow& sub, DocumentWindow& doc);
    void connectWindow(DocumentWindow& doc);

    MainFrame& m_frame;
    QMdiArea* m_area;
    QList<QPointer<DocumentWindow>> m_windows;
    QPointer<DocumentWindow> m_insertingInto;
    bool m_closingAll = false;
};
