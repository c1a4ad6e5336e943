#include "app/MainFrame.h"

#include "app/StatusLine.h"
#include "app/Toolbar.h"
#include "commands/CommandMenus.h"
#include "commands/RecentFileEntries.h"
#include "document/CommandHandlers.h"
#include "document/DocumentWindow.h"
#include "state/ProgramState.h"

#include <QCloseEvent>
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

// The document window the area shows in front, if any.
DocumentWindow* documentIn(const QMdiArea& area) {
    QMdiSubWindow* sub = area.currentSubWindow();
    if (!sub)
        sub = area.activeSubWindow();
    return sub ? qobject_cast<DocumentWindow*>(sub->widget()) : nullptr;
}

}  // namespace

MainFrame::MainFrame(ProgramState& state, const CommandHandlers& commands, QWidget* parent)
    : QMainWindow(parent),
      m_state(state),
      m_commands(commands),
      m_mdi(new QMdiArea),
      m_status(new StatusLine) {
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
}

MainFrame::~MainFrame() {
    // The area reports a last activation while it is torn down; the frame is half gone by then.
    disconnect(m_mdi, nullptr, this, nullptr);
}

void MainFrame::buildMenus() {
    m_menus = new CommandMenus(frameMenuLayout(), this);
    new RecentFileEntries(*m_menus->menu("file_menu"), RecentFileEntries::Separator::None,
                          m_state.recentFiles(),
                          [this](const QString& file) { emit recentFileChosen(file); });
    connect(m_menus, &CommandMenus::triggered, this, [this](Command id) {
        m_commands.run(id, nullptr);
        refreshMenus();
    });
    for (QMenu* menu : m_menus->menus())
        connect(menu, &QMenu::aboutToShow, this, &MainFrame::refreshMenus);
    connect(&m_state, &ProgramState::marksChanged, this, &MainFrame::refreshMenus);
    showMenusOf(nullptr);
}

void MainFrame::refreshMenus() {
    m_commands.refresh(*m_menus, CommandStatus::of(m_state, nullptr));
}

void MainFrame::bindCommands(CommandHandlers& commands) {
    commands.bind(Command::FileExit, [this](DocumentWindow* doc) {
        if (doc)
            exitFromDocument();
        else
            exitFromFrame();
    });
    commands.bind(
        Command::OptionsToolbar,
        [this](DocumentWindow*) {
            const bool shown = !m_state.toolbarShown();
            showToolbar(shown);
            m_state.preferences().setToolbarShown(shown);
        },
        [](const CommandStatus& status) { return status.toolbarShown; });
}

void MainFrame::setDocumentCloser(std::function<bool()> closeDocuments) {
    m_closeDocuments = std::move(closeDocuments);
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

void MainFrame::showAtStoredPlace() {
    restoreGeometry();
    show();
    keepFrameOnScreen();
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

void MainFrame::showMenusOf(QMdiSubWindow*) {
    // The active document's own menus take the frame's place while one is open.
    const DocumentWindow* doc = documentIn(*m_mdi);
    menuBar()->clear();
    for (QMenu* menu : doc ? doc->menus() : m_menus->menus())
        menuBar()->addMenu(menu);
    showCaretPlace();
}

void MainFrame::showCaretPlace() {
    const DocumentWindow* doc = documentIn(*m_mdi);
    m_status->caretPlace()->setText(doc ? doc->caretPlace() : QString());
}

void MainFrame::showDocumentTools(bool shown) {
    m_toolsHidden = !shown;
    if (m_toolbar)
        m_toolbar->showDocumentTools(shown);
}

void MainFrame::setToolbarMaker(std::function<Toolbar*()> makeToolbar) {
    m_makeToolbar = std::move(makeToolbar);
}

Toolbar* MainFrame::toolbar() {
    // Made when first needed: it is hidden until switched on, and building its boxes and
    // pictures would only slow every start without it.
    if (!m_toolbar && m_makeToolbar) {
        m_toolbar = m_makeToolbar();
        m_centralLayout->insertWidget(0, m_toolbar);
        connect(m_toolbar, &Toolbar::hint, this, [this](const QString& hint) {
            m_status->restartTimer();
            setStatusMessage(hint);
        });
        m_toolbar->showDocumentTools(!m_toolsHidden);
    }
    return m_toolbar;
}

bool MainFrame::toolbarShown() const {
    return m_toolbar && m_toolbar->isShown();
}

void MainFrame::showToolbar(bool shown) {
    if (!toolbar())
        return;
    m_toolbar->setVisible(shown);
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

void MainFrame::setStatusMessage(const QString& text) {
    m_status->message()->setText(text);
}

void MainFrame::storeGeometry() {
    m_state.preferences().setFrameGeometry(m_geometry.toStore(QRect(pos(), size())));
}

void MainFrame::exitFromFrame() {
    storeGeometry();
    m_leavingFromMenu = true;
    close();
    m_leavingFromMenu = false;
}

void MainFrame::exitFromDocument() {
    storeGeometry();
    close();
}

void MainFrame::prepareToLeave() {
    if (isMinimized())
        showNormal();
    emit leaving();
    storeGeometry();
}

void MainFrame::closeEvent(QCloseEvent* event) {
    if (!m_leavingFromMenu)
        prepareToLeave();
    if (m_closeDocuments && !m_closeDocuments()) {
        event->ignore();
        return;
    }
    emit closingDown();
    event->accept();
}
