#include "app/DocumentWindows.h"

#include "app/FrameCommands.h"
#include "app/MainFrame.h"
#include "app/PictureButton.h"
#include "app/StatusLine.h"
#include "app/Toolbar.h"
#include "app/WindowMenu.h"
#include "document/EditCommands.h"
#include "editor/EditorBox.h"
#include "state/ProgramState.h"
#include "tags/InsertionStops.h"
#include "tags/TextEditBuffer.h"
#include "tags/UserMenus.h"
#include "templates/Templates.h"
#include "ui/BusyCursor.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTimer>

DocumentWindows::DocumentWindows(MainFrame& frame)
    : QObject(&frame), m_frame(frame), m_area(frame.mdiArea()) {}

DocumentWindow* DocumentWindows::active() const {
    QMdiSubWindow* sub = m_area->currentSubWindow();
    if (!sub)
        sub = m_area->activeSubWindow();
    return sub ? qobject_cast<DocumentWindow*>(sub->widget()) : nullptr;
}

QList<DocumentWindow*> DocumentWindows::openWindows() const {
    QList<DocumentWindow*> open;
    for (int slot : m_frame.state().documents().openSlots()) {
        if (DocumentWindow* doc = window(slot))
            open.append(doc);
    }
    return open;
}

DocumentWindow* DocumentWindows::window(int slot) const {
    for (const QPointer<DocumentWindow>& doc : m_windows) {
        if (doc && doc->slot() == slot)
            return doc;
    }
    return nullptr;
}

DocumentWindow* DocumentWindows::newDocument() {
    const int slot = m_frame.state().documents().findFreeSlot();
    DocumentWindow* doc = create(slot, QStringLiteral("Untitled:%1").arg(slot));
    m_frame.commands().appearance().applyStored(*doc);
    fitToClientArea(*doc);
    applyTemplate(*doc);
    doc->setChanged(false);
    return doc;
}

DocumentWindow* DocumentWindows::create(int slot, const QString& caption) {
    ProgramState& state = m_frame.state();
    auto* doc = new DocumentWindow(state, slot, *this, *this, m_frame.dialogs());
    m_windows.removeAll(nullptr);
    m_windows.append(doc);
    doc->setCaption(caption);
    QMdiSubWindow* sub = m_area->addSubWindow(doc);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    leaveCloseKeysToTheMenu(*sub, *doc);
    setInitialMarks(*doc);
    connectWindow(*doc);
    m_frame.showDocumentTools(true);
    sub->show();
    m_area->setActiveSubWindow(sub);
    doc->setFocus();
    UserMenus::load(state, m_frame.dialogs(), &m_frame);
    emit created(*doc);
    return doc;
}

DocumentWindow* DocumentWindows::createForFile(const QString& caption) {
    DocumentWindow* doc = create(m_frame.state().documents().findFreeSlot(), caption);
    fitToClientArea(*doc);
    m_frame.commands().appearance().applyStored(*doc);
    return doc;
}

void DocumentWindows::leaveCloseKeysToTheMenu(QMdiSubWindow& sub, DocumentWindow& doc) {
    // The frame window's own menu claims Ctrl+W and Ctrl+F4 for its Close as well; a key that
    // two entries claim runs neither.
    if (!sub.systemMenu())
        return;
    const QList<QKeySequence> keys = doc.action(Command::FileClose)->shortcuts();
    for (QAction* entry : sub.systemMenu()->actions()) {
        QList<QKeySequence> own = entry->shortcuts();
        own.removeIf([&keys](const QKeySequence& key) { return keys.contains(key); });
        if (own.size() != entry->shortcuts().size())
            entry->setShortcuts(own);
    }
}

void DocumentWindows::setInitialMarks(DocumentWindow& doc) {
    const ProgramState& state = m_frame.state();
    MenuMarks marks;
    marks.useTemplate = state.preferences().templateOptions().marksNewDocument();
    marks.cancelNewForm = state.preferences().startWithoutDocument();
    marks.preferencesCleared = state.preferencesCleared();
    m_frame.state().documents().setMarks(doc.slot(), marks);
    doc.refreshCommands();
}

void DocumentWindows::connectWindow(DocumentWindow& doc) {
    connect(&doc, &DocumentWindow::statusMessage, &m_frame, &MainFrame::setStatusMessage);
    connect(&doc, &DocumentWindow::caretMoved, &m_frame, [this, window = &doc] {
        if (window == active())
            m_frame.showCaretPlace();
    });
    EditCommands::routeKeys(doc);
    m_frame.commands().find().keepDialogInFront(doc);
    WindowMenu::attach(*doc.menu("window_menu"), *this, *m_area);
}

void DocumentWindows::fitToClientArea(DocumentWindow& doc) {
    QMdiSubWindow* sub = doc.subWindow();
    if (!sub || sub->isMaximized() || sub->isMinimized())
        return;
    const QSize area = m_area->viewport()->size();
    const QPoint at = sub->pos();
    sub->resize(std::max(area.width() - at.x(), 100), std::max(area.height() - at.y(), 60));
}

bool DocumentWindows::applyTemplate(DocumentWindow& doc) {
    const TemplateOptions options = m_frame.state().preferences().templateOptions();
    QByteArray bytes;
    switch (Templates::read(options, &bytes)) {
        case Templates::Outcome::NotInForce:
            return false;
        case Templates::Outcome::Unreadable:
            m_frame.showMessage(Templates::unreadableMessage(options.file));
            // New may have been pressed on the toolbar: the message took the button's release.
            if (m_frame.toolbarShown())
                m_frame.toolbar()->button(ToolbarButton::New)->showReleased();
            return false;
        case Templates::Outcome::Loaded:
            break;
    }
    BusyCursor busy;
    doc.loadBytes(bytes);
    doc.setChanged(false);
    return true;
}

void DocumentWindows::focusActive() {
    DocumentWindow* doc = active();
    if (!doc)
        return;
    // Only what is not so already: activating a window again repaints its frame.
    if (m_area->activeSubWindow() != doc->subWindow())
        m_area->setActiveSubWindow(doc->subWindow());
    if (!doc->editor()->hasFocus())
        doc->editor()->setFocus();
}

void DocumentWindows::typeKeystrokeScript(const QString& script) {
    focusActive();
    DocumentWindow* doc = active();
    if (!doc)
        return;
    // Pieces sent while one command runs join one undo step, as one burst of typing would; the
    // step closes when control returns to the event loop.
    const bool joins = m_insertingInto == doc;
    InsertionStops::typeScript(
        doc->editor(), script,
        joins ? TextEditBuffer::UndoStep::JoinPrevious : TextEditBuffer::UndoStep::New);
    if (!joins) {
        m_insertingInto = doc;
        QTimer::singleShot(0, this, [this] { m_insertingInto = nullptr; });
    }
}

void DocumentWindows::showStatusNote(const QString& note) {
    m_frame.setStatusMessage(note);
}

void DocumentWindows::runCommand(Command id, DocumentWindow& doc) {
    m_frame.commands().run(id, &doc);
}

bool DocumentWindows::queryClose(DocumentWindow& doc) {
    return m_closingAll || m_frame.commands().files().confirmClose(doc);
}

void DocumentWindows::closed(DocumentWindow& doc) {
    emit closing(doc);
    ProgramState& state = m_frame.state();
    m_windows.removeAll(&doc);
    state.documents().release(doc.slot());
    if (!state.documents().anyDocumentsLeft()) {
        m_frame.showDocumentTools(false);
        state.recentFiles().rebuild();
    }
    if (m_frame.isMinimized())
        m_frame.showNormal();
}

void DocumentWindows::openRecentFile(const QString& fileName) {
    m_frame.commands().openRecentFile(fileName);
}
