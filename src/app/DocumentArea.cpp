#include "app/DocumentArea.h"

#include "document/CommandHandlers.h"
#include "editor/EditorBox.h"
#include "state/ProgramState.h"
#include "tags/InsertionStops.h"
#include "tags/TextEditBuffer.h"
#include "tags/UserMenus.h"
#include "templates/Templates.h"
#include "ui/BusyCursor.h"
#include "ui/DialogService.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTimer>

DocumentArea::DocumentArea(QMdiArea& area, ProgramState& state, DialogService& dialogs,
                           const CommandHandlers& commands, QWidget* frame)
    : QObject(frame),
      m_area(area),
      m_state(state),
      m_dialogs(dialogs),
      m_commands(commands),
      m_frame(frame) {}

void DocumentArea::setRecentFileOpener(std::function<void(const QString&)> open) {
    m_openRecentFile = std::move(open);
}

void DocumentArea::bindCommands(CommandHandlers& commands) {
    commands.bind(Command::FileNew, [this](DocumentWindow*) { newDocument(); });
}

void DocumentArea::runToolbarButton(ToolbarButton button) {
    DocumentWindow* doc = active();
    switch (button) {
        case ToolbarButton::New:
            return m_commands.run(Command::FileNew, doc);
        case ToolbarButton::Open:
            return m_commands.run(Command::FileOpen, doc);
        case ToolbarButton::Save:
            // Through the window's own entry, as its menu would.
            if (doc)
                doc->action(Command::FileSave)->trigger();
            return;
        case ToolbarButton::Cut:
            return m_commands.run(Command::EditCut, doc);
        case ToolbarButton::Copy:
            return m_commands.run(Command::EditCopy, doc);
        case ToolbarButton::Paste:
            return m_commands.run(Command::EditPaste, doc);
    }
}

DocumentWindow* DocumentArea::active() const {
    QMdiSubWindow* sub = m_area.currentSubWindow();
    if (!sub)
        sub = m_area.activeSubWindow();
    return sub ? qobject_cast<DocumentWindow*>(sub->widget()) : nullptr;
}

QList<DocumentWindow*> DocumentArea::openWindows() const {
    QList<DocumentWindow*> open;
    for (int slot : m_state.documents().openSlots()) {
        if (DocumentWindow* doc = window(slot))
            open.append(doc);
    }
    return open;
}

DocumentWindow* DocumentArea::window(int slot) const {
    for (const QPointer<DocumentWindow>& doc : m_windows) {
        if (doc && doc->slot() == slot)
            return doc;
    }
    return nullptr;
}

DocumentWindow* DocumentArea::newDocument() {
    const int slot = m_state.documents().findFreeSlot();
    DocumentWindow* doc = create(slot, QStringLiteral("Untitled:%1").arg(slot));
    fitToClientArea(*doc);
    applyTemplate(*doc);
    doc->setChanged(false);
    return doc;
}

DocumentWindow* DocumentArea::create(int slot, const QString& caption) {
    auto* doc = new DocumentWindow(m_state, slot, *this, *this, m_dialogs, m_commands);
    m_windows.removeAll(nullptr);
    m_windows.append(doc);
    doc->setCaption(caption);
    QMdiSubWindow* sub = m_area.addSubWindow(doc);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    leaveCloseKeysToTheMenu(*sub, *doc);
    m_state.documents().setMarks(doc->slot(), m_state.marksForNewWindow());
    doc->refreshMenus();
    connectWindow(*doc);
    emit documentsOpen(true);
    sub->show();
    m_area.setActiveSubWindow(sub);
    doc->setFocus();
    UserMenus::load(m_state, m_dialogs, m_frame);
    emit created(*doc);
    return doc;
}

DocumentWindow* DocumentArea::createForFile(const QString& caption) {
    DocumentWindow* doc = create(m_state.documents().findFreeSlot(), caption);
    fitToClientArea(*doc);
    return doc;
}

DocumentWindow* DocumentArea::createUntitled() {
    const int slot = m_state.documents().findFreeSlot();
    DocumentWindow* doc = create(slot, QStringLiteral("Untitled:%1").arg(slot));
    fitToClientArea(*doc);
    return doc;
}

void DocumentArea::leaveCloseKeysToTheMenu(QMdiSubWindow& sub, DocumentWindow& doc) {
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

void DocumentArea::connectWindow(DocumentWindow& doc) {
    connect(&doc, &DocumentWindow::statusMessage, this, &DocumentArea::statusMessage);
    connect(&doc, &DocumentWindow::caretMoved, this, [this, window = &doc] {
        if (window == active())
            emit caretMoved();
    });
}

void DocumentArea::fitToClientArea(DocumentWindow& doc) {
    QMdiSubWindow* sub = doc.subWindow();
    if (!sub || sub->isMaximized() || sub->isMinimized())
        return;
    const QSize area = m_area.viewport()->size();
    const QPoint at = sub->pos();
    sub->resize(std::max(area.width() - at.x(), 100), std::max(area.height() - at.y(), 60));
}

bool DocumentArea::applyTemplate(DocumentWindow& doc) {
    const TemplateOptions options = m_state.preferences().templateOptions();
    QByteArray bytes;
    switch (Templates::read(options, &bytes)) {
        case Templates::Outcome::NotInForce:
            return false;
        case Templates::Outcome::Unreadable:
            m_dialogs.showNote(m_frame, Templates::unreadableMessage(options.file));
            emit templateRefused();
            return false;
        case Templates::Outcome::Loaded:
            break;
    }
    BusyCursor busy;
    doc.loadBytes(bytes);
    doc.setChanged(false);
    return true;
}

void DocumentArea::focusActive() {
    DocumentWindow* doc = active();
    if (!doc)
        return;
    // Only what is not so already: activating a window again repaints its frame.
    if (m_area.activeSubWindow() != doc->subWindow())
        m_area.setActiveSubWindow(doc->subWindow());
    if (!doc->editor()->hasFocus())
        doc->editor()->setFocus();
}

bool DocumentArea::closeAll() {
    const QList<DocumentWindow*> windows = openWindows();
    for (DocumentWindow* doc : windows) {
        if (m_closePrompt && !m_closePrompt(*doc))
            return false;
    }
    m_closingAll = true;
    for (DocumentWindow* doc : windows)
        doc->closeDocument();
    m_closingAll = false;
    return true;
}

void DocumentArea::typeKeystrokeScript(const QString& script) {
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

void DocumentArea::showStatusNote(const QString& note) {
    emit statusMessage(note);
}

bool DocumentArea::queryClose(DocumentWindow& doc) {
    return m_closingAll || !m_closePrompt || m_closePrompt(doc);
}

void DocumentArea::closed(DocumentWindow& doc) {
    emit closing(doc);
    m_windows.removeAll(&doc);
    m_state.documents().release(doc.slot());
    if (!m_state.documents().anyDocumentsLeft()) {
        emit documentsOpen(false);
        m_state.recentFiles().rebuild();
    }
    if (m_frame->isMinimized())
        m_frame->showNormal();
}

void DocumentArea::openRecentFile(const QString& fileName) {
    if (m_openRecentFile)
        m_openRecentFile(fileName);
}
