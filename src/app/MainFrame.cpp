#include "app/MainFrame.h"

#include "app/DocumentRecovery.h"
#include "app/DocumentWindows.h"
#include "app/FrameCommands.h"
#include "app/StatusLine.h"
#include "app/TagBoxes.h"
#include "app/Toolbar.h"
#include "commands/CommandSet.h"
#include "commands/RecentFileEntries.h"
#include "state/ProgramState.h"
#include "templates/Templates.h"
#include "ui/BusyCursor.h"
#include "ui/DialogService.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral("Pagelark");
// Where the frame opens while no geometry is stored, in twips.
constexpr QRect kDefaultTwips{1965, 2115, 7050, 5805};

// The screen a frame at `pixels` would appear on, or none when it lies off every screen.
const QScreen* screenShowing(const QRect& pixels) {
    if (const QScreen* screen = QGuiApplication::screenAt(pixels.center()))
        return screen;
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->geometry().intersects(pixels))
            return screen;
    }
    return nullptr;
}

}  // namespace

MainFrame::MainFrame(ProgramState& state, DialogService& dialogs, RecoveryJournal* journal,
                     QWidget* parent)
    : QMainWindow(parent),
      m_state(state),
      m_dialogs(dialogs),
      m_mdi(new QMdiArea),
      m_status(new StatusLine),
      m_documents(new DocumentWindows(*this)),
      m_commands(std::make_unique<FrameCommands>(*this)) {
    setObjectName(QStringLiteral("main_frame"));
    setWindowTitle(kCaption);
    auto* central = new QWidget;
    m_centralLayout = new QVBoxLayout(central);
    m_centralLayout->setContentsMargins(0, 0, 0, 0);
    m_centralLayout->setSpacing(0);
    m_mdi->setObjectName(QStringLiteral("document_area"));
    m_centralLayout->addWidget(m_mdi, 1);
    m_centralLayout->addWidget(m_status);
    setCentralWidget(central);
    buildMenus();
    const QRect initial = FrameGeometry::toPixels(kDefaultTwips);
    move(initial.topLeft());
    resize(initial.size());
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &MainFrame::showMenusOf);
    if (journal)
        m_recovery = new DocumentRecovery(*this, *journal);
}

MainFrame::~MainFrame() {
    // The area reports a last activation while it is torn down; the frame is half gone by then.
    disconnect(m_mdi, nullptr, this, nullptr);
}

void MainFrame::buildMenus() {
    m_menus = new CommandSet(frameMenuLayout(), this);
    new RecentFileEntries(*m_menus->menu("file_menu"), RecentFileEntries::Separator::None,
                          m_state.recentFiles(),
                          [this](const QString& file) { m_commands->openRecentFile(file); });
    connect(m_menus, &CommandSet::triggered, this, [this](Command id) {
        m_commands->run(id, nullptr);
        refreshCommands();
    });
    for (QMenu* menu : m_menus->menus())
        connect(menu, &QMenu::aboutToShow, this, &MainFrame::refreshCommands);
    connect(&m_state, &ProgramState::marksChanged, this, &MainFrame::refreshCommands);
    refreshCommands();
    showMenusOf(nullptr);
}

void MainFrame::refreshCommands() {
    const MenuMarks marks = m_state.frameMarks();
    CommandStatus status;
    status.useTemplate = marks.useTemplate;
    status.cancelNewForm = marks.cancelNewForm;
    status.preferencesCleared = marks.preferencesCleared;
    status.toolbarShown = m_state.toolbarShown();
    m_menus->refresh(status);
}

QAction* MainFrame::action(Command id) const {
    return m_menus->action(id);
}

QAction* MainFrame::entry(const QString& name) const {
    for (QMenu* menu : m_menus->menus()) {
        if (auto* found = menu->findChild<QAction*>(name))
            return found;
    }
    return nullptr;
}

void MainFrame::startUp(const QString& commandLine) {
    restoreGeometry();
    show();
    keepFrameOnScreen();
    if (m_state.preferences().tabbedWindows())
        showTabbedWindows(true);
    // After the rest of start-up, with the frame drawn: nothing to offer costs one folder listing.
    if (m_recovery)
        QMetaObject::invokeMethod(m_recovery, &DocumentRecovery::offerUnsavedDocuments,
                                  Qt::QueuedConnection);
    m_state.documents().startWith();
    DocumentWindow* first = m_documents->create(1, QStringLiteral("Untitled"));
    first->setChanged(false);
    m_state.recentFiles().rebuild();
    m_state.search().direction = 1;
    Preferences& prefs = m_state.preferences();
    if (prefs.templateOptions().marksFrameAtStartUp()) {
        MenuMarks marks = m_state.frameMarks();
        marks.useTemplate = true;
        m_state.setFrameMarks(marks);
    }
    if (prefs.toolbarShown())
        m_commands->run(Command::OptionsToolbar, nullptr);
    // The boxes are filled when the toolbar that holds them is made.
    m_documents->fitToClientArea(*first);
    m_commands->appearance().applyStored(*first);
    if (prefs.font())
        m_status->font()->setText(prefs.fontStatusText());
    if (commandLine.isEmpty() && m_documents->applyTemplate(*first))
        m_status->templateFile()->setText(Templates::statusText(prefs.templateOptions().file));
    if (!commandLine.isEmpty() && !openCommandLineFile(commandLine))
        return;
    setWindowTitle(kCaption);
    closeNoformWindow();
}

void MainFrame::restoreGeometry() {
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))
        return;
    const auto stored = m_state.preferences().frameGeometry();
    if (!stored)
        return;
    // A frame that would lie off every screen could not be reached: keep the default place.
    const QScreen* screen = screenShowing(FrameGeometry::toPixels(*stored));
    if (!screen)
        return;
    const QRect pixels = m_geometry.restore(*stored, screen->availableGeometry());
    resize(pixels.size());
    move(pixels.topLeft());
}

void MainFrame::keepFrameOnScreen() {
    // Shown, the frame knows the window frame around it, which must fit on the screen too.
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    const QMargins margins(inner.left() - outer.left(), inner.top() - outer.top(),
                           outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const QRect room = screen()->availableGeometry().marginsRemoved(margins);
    const QRect fitted = FrameGeometry::fit(inner, room);
    if (fitted == inner)
        return;
    setGeometry(fitted);
    m_geometry.adjusted(QRect(pos(), size()));
}

bool MainFrame::openCommandLineFile(const QString& name) {
    QFile file(name);
    if (!QFileInfo(name).isFile() || !file.open(QIODevice::ReadOnly)) {
        showMessage(QStringLiteral("Can't open : ") + name);
        return false;
    }
    BusyCursor busy;
    DocumentWindow* doc = m_documents->active();
    doc->loadBytes(file.readAll());
    doc->setCaption(name);
    doc->setChanged(false);
    return true;
}

void MainFrame::closeNoformWindow() {
    if (!m_state.preferences().startWithoutDocument())
        return;
    MenuMarks marks = m_state.frameMarks();
    marks.cancelNewForm = true;
    m_state.setFrameMarks(marks);
    if (DocumentWindow* doc = m_documents->active())
        doc->closeDocument();
}

void MainFrame::showMenusOf(QMdiSubWindow*) {
    // The active document's own menus take the frame's place while one is open.
    const DocumentWindow* doc = m_documents->active();
    menuBar()->clear();
    for (QMenu* menu : doc ? doc->menus() : m_menus->menus())
        menuBar()->addMenu(menu);
    showCaretPlace();
}

void MainFrame::showCaretPlace() {
    const DocumentWindow* doc = m_documents->active();
    m_status->caretPlace()->setText(doc ? doc->caretPlace() : QString());
}

void MainFrame::showDocumentTools(bool shown) {
    m_toolsHidden = !shown;
    if (m_toolbar)
        m_toolbar->showDocumentTools(shown);
}

Toolbar* MainFrame::toolbar() {
    // Made when first needed: it is hidden until switched on, and building its boxes and
    // pictures would only slow every start without it.
    if (!m_toolbar) {
        m_toolbar = new Toolbar(*m_documents, m_commands->builders());
        m_centralLayout->insertWidget(0, m_toolbar);
        connect(m_toolbar, &Toolbar::buttonChosen, this,
                [this](ToolbarButton button) { m_commands->runToolbarButton(button); });
        connect(m_toolbar, &Toolbar::hint, this, [this](const QString& hint) {
            m_status->restartTimer();
            setStatusMessage(hint);
        });
        m_toolbar->tagBoxes().fill();
        m_toolbar->showDocumentTools(!m_toolsHidden);
    }
    return m_toolbar;
}

bool MainFrame::toolbarShown() const {
    return m_toolbar && m_toolbar->isShown();
}

void MainFrame::showToolbar(bool shown) {
    toolbar()->setVisible(shown);
    // The document area gives up or takes back the toolbar's room at once, so that a window
    // sized right after this fits the area as it now is.
    m_centralLayout->activate();
    m_state.setToolbarShown(shown);
}

void MainFrame::showUnderDocuments(QWidget* panel) {
    // The divider comes with the first panel: a frame without one lays out as it always did.
    if (!m_documentSplit) {
        // Moving the area into the divider deactivates its window; the same one comes back.
        QMdiSubWindow* current = m_mdi->currentSubWindow();
        const int areaHeight = m_mdi->height();
        m_documentSplit = new QSplitter(Qt::Vertical);
        m_documentSplit->setObjectName(QStringLiteral("document_split"));
        m_documentSplit->setChildrenCollapsible(false);
        m_centralLayout->replaceWidget(m_mdi, m_documentSplit);
        m_centralLayout->setStretchFactor(m_documentSplit, 1);
        m_documentSplit->addWidget(m_mdi);
        m_documentSplit->addWidget(panel);
        m_documentSplit->setStretchFactor(0, 1);
        m_documentSplit->setSizes({areaHeight - areaHeight / 4, areaHeight / 4});
        m_documentSplit->show();
        m_mdi->show();
        if (current)
            m_mdi->setActiveSubWindow(current);
    } else if (m_documentSplit->indexOf(panel) < 0) {
        m_documentSplit->addWidget(panel);
    }
    panel->show();
}

void MainFrame::showTabbedWindows(bool tabbed) {
    m_mdi->setViewMode(tabbed ? QMdiArea::TabbedView : QMdiArea::SubWindowView);
    if (tabbed) {
        m_mdi->setDocumentMode(true);
        m_mdi->setTabsClosable(true);
        m_mdi->setTabsMovable(true);
    }
    m_state.setTabbedWindows(tabbed);
}

void MainFrame::setStatusMessage(const QString& text) {
    m_status->message()->setText(text);
}

void MainFrame::showMessage(const QString& text) {
    m_dialogs.showNote(this, text);
}

void MainFrame::storeGeometry() {
    m_state.preferences().setFrameGeometry(m_geometry.toStore(QRect(pos(), size())));
}

void MainFrame::exitFromFrame() {
    storeGeometry();
    m_skipQueryUnload = true;
    close();
    m_skipQueryUnload = false;
}

void MainFrame::exitFromDocument() {
    storeGeometry();
    close();
}

void MainFrame::queryUnload() {
    if (isMinimized())
        showNormal();
    m_commands->backupUserMenuFile();
    storeGeometry();
}

void MainFrame::closeEvent(QCloseEvent* event) {
    if (!m_skipQueryUnload)
        queryUnload();
    // Every window is asked before any closes, so that Cancel in one keeps all of them open,
    // those already answered with No included.
    const QList<DocumentWindow*> windows = m_documents->openWindows();
    for (DocumentWindow* doc : windows) {
        if (!m_commands->files().confirmClose(*doc)) {
            event->ignore();
            return;
        }
    }
    m_documents->setClosingAll(true);
    for (DocumentWindow* doc : windows)
        doc->closeDocument();
    m_documents->setClosingAll(false);
    if (m_recovery)
        m_recovery->finish();
    event->accept();
}
