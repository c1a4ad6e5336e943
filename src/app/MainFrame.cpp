#include "app/MainFrame.h"

#include "app/AboutBox.h"
#include "app/BusyCursor.h"
#include "app/FrameGeometry.h"
#include "app/PreferencesStore.h"
#include "app/StatusLine.h"
#include "app/TagBoxes.h"
#include "app/Toolbar.h"
#include "app/Twips.h"
#include "document/DialogService.h"
#include "document/DocumentWindow.h"
#include "document/EditorAppearance.h"
#include "document/EditorBox.h"
#include "document/MenuTable.h"
#include "tags/InsertionStops.h"
#include "tags/TextEditBuffer.h"
#include "tags/UserMenus.h"
#include "templates/TemplateOptionsDialog.h"
#include "templates/Templates.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSaveFile>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral("Pagelark");

const MenuEntry kFileEntries[] = {
    {"mnuFNew", "&New"},
    {"mnuFOpen", "&Open"},
    {"mnuFExit", "E&xit"},
    {"mnuSeparator", "-"},
    {"mnuRecentFile0", "RecentFile1"},
    {"mnuRecentFile1", "RecentFile2"},
    {"mnuRecentFile2", "RecentFile3"},
    {"mnuRecentFile3", "RecentFile4"},
    {"mnuRecentFile4", "RecentFile5"},
};
const MenuEntry kOptionEntries[] = {
    {"mnuOTemplate", "Te&mplate", "", true},
    {"mnuOToolbar", "&Toolbar", "", true},
    {"mnuONoform", "&Cancel new form on startup", "", true},
    {"tt67", "-"},
    {"clrreg", "Clear &Preferences", "", true},
};
const MenuEntry kHelpEntries[] = {
    {"readme", "&View the ReadMe file"},
    {"about", "&About Pagelark"},
};

bool isOnSomeScreen(const QRect& pixels) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->geometry().intersects(pixels))
            return true;
    }
    return false;
}

QRect toPixels(const QRect& twips) {
    return QRect(Twips::toPixels(twips.left()), Twips::toPixels(twips.top()),
                 Twips::toPixels(twips.width()), Twips::toPixels(twips.height()));
}

}  // namespace

MainFrame::MainFrame(const FrameEnvironment& env, QWidget* parent)
    : QMainWindow(parent),
      m_env(env),
      m_mdi(new QMdiArea),
      m_status(new StatusLine),
      m_files(*this),
      m_recent(*this),
      m_builders(*this, env.dialogs, this) {
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(kCaption);
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    m_centralLayout = layout;
    layout->addWidget(m_mdi, 1);
    layout->addWidget(m_status);
    setCentralWidget(central);
    buildMenus();
    const QRect design = toPixels(FrameGeometry::kDesignTwips);
    move(design.topLeft());
    resize(design.size());
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &MainFrame::showMenusOf);
}

MainFrame::~MainFrame() {
    // The area reports a last activation while it is torn down; the frame is half gone by then.
    disconnect(m_mdi, nullptr, this, nullptr);
}

void MainFrame::buildMenus() {
    QMenu* file = MenuTable::addMenu(this, nullptr, "mnuFile", "&File");
    MenuTable::addEntries(file, kFileEntries);
    QMenu* options = MenuTable::addMenu(this, nullptr, "mnuOptions", "&Options");
    MenuTable::addEntries(options, kOptionEntries);
    QMenu* help = MenuTable::addMenu(this, nullptr, "mnuHelp", "&Help");
    MenuTable::addEntries(help, kHelpEntries);
    m_menus = {file, options, help};
    for (int position = 0; position <= 4; ++position)
        action(QStringLiteral("mnuRecentFile%1").arg(position))->setVisible(false);

    connect(action(QStringLiteral("mnuFNew")), &QAction::triggered, this,
            [this] { newDocument(); });
    connect(action(QStringLiteral("mnuFOpen")), &QAction::triggered, this,
            [this] { m_files.openCommand(); });
    connect(action(QStringLiteral("mnuFExit")), &QAction::triggered, this,
            &MainFrame::exitFromFrame);
    for (int position = 0; position < RecentFiles::kMaximum; ++position) {
        QAction* entry = action(QStringLiteral("mnuRecentFile%1").arg(position));
        connect(entry, &QAction::triggered, this, [this, entry] { m_recent.open(entry); });
    }
    connect(action(QStringLiteral("readme")), &QAction::triggered, this, &MainFrame::viewReadme);
    connect(action(QStringLiteral("about")), &QAction::triggered, this, &MainFrame::showAbout);
    connect(action(QStringLiteral("mnuONoform")), &QAction::triggered, this,
            [this] { toggleNoform(nullptr); });
    connect(action(QStringLiteral("clrreg")), &QAction::triggered, this,
            [this] { clearPreferences(nullptr); });
    QAction* toolbarMark = action(QStringLiteral("mnuOToolbar"));
    connect(toolbarMark, &QAction::triggered, this,
            [this, toolbarMark] { toolbar()->switchFrom(toolbarMark); });
    connect(options, &QMenu::aboutToShow, this,
            [this, toolbarMark] { toolbarMark->setChecked(toolbarShown()); });
    TemplateOptionsDialog::bindMenuEntry(*this, action(QStringLiteral("mnuOTemplate")));
    showMenusOf(nullptr);
}

QAction* MainFrame::action(const QString& name) const {
    for (QMenu* menu : m_menus) {
        if (auto* found = menu->findChild<QAction*>(name))
            return found;
    }
    return nullptr;
}

QString MainFrame::programFile(const QString& name) const {
    return QDir(m_env.programDir).filePath(name);
}

QString MainFrame::userMenuFile(const QString& name) const {
    return QDir(m_env.userMenuDir.isEmpty() ? m_env.programDir : m_env.userMenuDir).filePath(name);
}

bool MainFrame::preferencesCleared() const {
    return action(QStringLiteral("clrreg"))->isChecked();
}

void MainFrame::startUp(const QString& commandLine) {
    restoreGeometry();
    show();
    m_documents.startWith(nullptr);
    createDocumentWindow(1, QStringLiteral("Untitled"));
    m_documents.setChanged(1, false);
    m_recent.rebuildMenus();
    m_findState.direction = 1;
    if (prefs().get(Pref::Template, Pref::Checked) == QLatin1String("1"))
        action(QStringLiteral("mnuOTemplate"))->setChecked(true);
    if (prefs().get(Pref::Tools, Pref::Checked) == QLatin1String("True"))
        action(QStringLiteral("mnuOToolbar"))->trigger();
    // The boxes are filled when the toolbar that holds them is made.
    fitToClientArea(*activeDocument());
    applyStoredAppearance(*activeDocument());
    applyStoredFontStatus();
    if (commandLine.isEmpty())
        Templates::applyTo(*this, *activeDocument(), Templates::Occasion::StartUp);
    if (!commandLine.isEmpty() && !openCommandLineFile(commandLine))
        return;
    setWindowTitle(kCaption);
    closeNoformWindow();
}

void MainFrame::restoreGeometry() {
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))
        return;
    const auto stored = FrameGeometry::readStored(prefs());
    if (!stored)
        return;
    const QRect pixels = toPixels(*stored);
    // A frame that would lie off every screen could not be reached: keep the design place.
    if (!isOnSomeScreen(pixels))
        return;
    resize(pixels.size());
    move(pixels.topLeft());
}

void MainFrame::applyStoredFontStatus() {
    if (!prefs().get(Pref::Font, Pref::Name).isEmpty())
        m_status->font()->setText(EditorAppearance::fontStatusText(prefs()));
}

bool MainFrame::openCommandLineFile(const QString& name) {
    QFile file(name);
    if (!QFileInfo(name).isFile() || !file.open(QIODevice::ReadOnly)) {
        showMessage(QStringLiteral("Can't open : ") + name);
        return false;
    }
    BusyCursor busy;
    DocumentWindow* doc = activeDocument();
    doc->loadBytes(file.readAll());
    doc->setCaption(name);
    doc->setChanged(false);
    return true;
}

void MainFrame::closeNoformWindow() {
    if (prefs().get(Pref::Noform, Pref::Checked) != QLatin1String("True"))
        return;
    action(QStringLiteral("mnuONoform"))->setChecked(true);
    if (DocumentWindow* doc = activeDocument())
        doc->closeDocument();
}

DocumentWindow* MainFrame::activeDocument() const {
    QMdiSubWindow* sub = m_mdi->currentSubWindow();
    if (!sub)
        sub = m_mdi->activeSubWindow();
    return sub ? qobject_cast<DocumentWindow*>(sub->widget()) : nullptr;
}

DocumentWindow* MainFrame::newDocument() {
    const int slot = m_documents.findFreeSlot();
    DocumentWindow* doc = createDocumentWindow(slot, QStringLiteral("Untitled:%1").arg(slot));
    applyStoredAppearance(*doc);
    fitToClientArea(*doc);
    Templates::applyTo(*this, *doc, Templates::Occasion::NewDocument);
    doc->setChanged(false);
    return doc;
}

DocumentWindow* MainFrame::createDocumentWindow(int slot, const QString& caption) {
    auto* doc = new DocumentWindow(*this, slot);
    m_documents.setWindow(slot, doc);
    doc->setCaption(caption);
    QMdiSubWindow* sub = m_mdi->addSubWindow(doc);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    const QString templateChecked = prefs().get(Pref::Template, Pref::Checked);
    if (!templateChecked.isEmpty() && templateChecked.toDouble() == 1)
        doc->action(QStringLiteral("mnuOTemplate"))->setChecked(true);
    if (prefs().get(Pref::Noform, Pref::Checked) == QLatin1String("True"))
        doc->action(QStringLiteral("mnuONoform"))->setChecked(true);
    doc->action(QStringLiteral("clrreg"))->setChecked(preferencesCleared());
    showDocumentTools(true);
    sub->show();
    m_mdi->setActiveSubWindow(sub);
    doc->setFocus();
    UserMenus::load(*this);
    return doc;
}

void MainFrame::applyStoredAppearance(DocumentWindow& doc) {
    EditorBox& box = *doc.editor();
    m_applyingAppearance = true;
    if (const auto font = EditorAppearance::storedFont(prefs()))
        EditorAppearance::setFont(box, *font);
    else
        EditorAppearance::setFont(box, EditorAppearance::designFont());
    if (const auto colors = EditorAppearance::storedColors(prefs())) {
        EditorAppearance::setBackColor(box, colors->back);
        if (colors->fore.isValid())
            EditorAppearance::setForeColor(box, colors->fore);
    }
    m_applyingAppearance = false;
}

void MainFrame::fitToClientArea(DocumentWindow& doc) {
    QMdiSubWindow* sub = doc.subWindow();
    if (!sub || sub->isMaximized() || sub->isMinimized())
        return;
    const QSize area = m_mdi->viewport()->size();
    const QPoint at = sub->pos();
    sub->resize(std::max(area.width() - at.x(), 100), std::max(area.height() - at.y(), 60));
}

void MainFrame::showMenusOf(QMdiSubWindow*) {
    // The active document's own menus take the frame's place while one is open.
    const DocumentWindow* doc = activeDocument();
    menuBar()->clear();
    for (QMenu* menu : doc ? doc->menus() : m_menus)
        menuBar()->addMenu(menu);
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
        m_toolbar = new Toolbar(*this);
        m_centralLayout->insertWidget(0, m_toolbar);
        m_toolbar->tagBoxes().fill();
        m_toolbar->showDocumentTools(!m_toolsHidden);
    }
    return m_toolbar;
}

bool MainFrame::toolbarShown() const {
    return m_toolbar && m_toolbar->isShown();
}

void MainFrame::focusActiveDocument() {
    DocumentWindow* doc = activeDocument();
    if (!doc)
        return;
    // Only what is not so already: activating a window again repaints its frame.
    if (m_mdi->activeSubWindow() != doc->subWindow())
        m_mdi->setActiveSubWindow(doc->subWindow());
    if (!doc->editor()->hasFocus())
        doc->editor()->setFocus();
}

void MainFrame::typeKeystrokeScript(const QString& script) {
    focusActiveDocument();
    DocumentWindow* doc = activeDocument();
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

void MainFrame::setStatusMessage(const QString& text) {
    m_status->message()->setText(text);
}

void MainFrame::showMessage(const QString& text) {
    dialogs().showMessage(this, {text, kCaption, MessageButtons::Ok, MessageIcon::None});
}

void MainFrame::clearPreferences(DocumentWindow* from) {
    QAction* frameMark = action(QStringLiteral("clrreg"));
    QAction* ownMark = from ? from->action(QStringLiteral("clrreg")) : frameMark;
    // Choosing the entry has already inverted its mark; the marks are set here instead.
    const bool wasChecked = !ownMark->isChecked();
    ownMark->setChecked(false);
    if (wasChecked) {
        frameMark->setChecked(false);
        return;
    }
    const MessageRequest question{
        QStringLiteral("Clear Pagelark Registry Settings.\nAre You sure?"), kCaption,
        MessageButtons::OkCancel, MessageIcon::None};
    if (dialogs().showMessage(this, question) != MessageAnswer::Ok)
        return;
    const QPair<QString, QString> probes[] = {
        {Pref::Template, Pref::Checked}, {Pref::Tools, Pref::Checked},
        {Pref::Files, Pref::Type},       {Pref::Font, Pref::Name},
        {Pref::Noform, Pref::Checked},   {Pref::RecentFiles, Pref::RecentFileKey + "1"},
        {Pref::Size, Pref::MainTop},     {Pref::Color, Pref::BackColor}};
    for (const auto& [section, probe] : probes) {
        if (!prefs().get(section, probe).isEmpty())
            prefs().deleteSection(section);
    }
    prefs().deleteAll();
    action(QStringLiteral("mnuOTemplate"))->setChecked(false);
    if (DocumentWindow* active = activeDocument())
        active->action(QStringLiteral("mnuOTemplate"))->setChecked(false);
    frameMark->setChecked(true);
    ownMark->setChecked(true);
}

void MainFrame::toggleNoform(DocumentWindow* from) {
    // The entry has already toggled its own check mark when this runs.
    QAction* frameMark = action(QStringLiteral("mnuONoform"));
    QAction* ownMark = from ? from->action(QStringLiteral("mnuONoform")) : frameMark;
    if (preferencesCleared())
        return;
    prefs().save(Pref::Noform, Pref::Checked, Pref::boolText(ownMark->isChecked()));
    frameMark->setChecked(ownMark->isChecked());
}

void MainFrame::storeGeometry() {
    if (preferencesCleared())
        return;
    const QRect pixels(pos(), size());
    FrameGeometry::store(
        prefs(), QRect(Twips::fromPixels(pixels.left()), Twips::fromPixels(pixels.top()),
                       Twips::fromPixels(pixels.width()), Twips::fromPixels(pixels.height())));
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

bool MainFrame::backupUserMenuFile() {
    setStatusMessage(QStringLiteral("Backing up userdef.dat file"));
    QFile source(userMenuFile(QStringLiteral("userdef.dat")));
    if (!QFileInfo(source).isFile() || !source.open(QIODevice::ReadOnly))
        return false;
    // Written whole and then renamed, so a failed copy never spoils the previous backup.
    QSaveFile backup(userMenuFile(QStringLiteral("userdef.bak")));
    if (!backup.open(QIODevice::WriteOnly) || backup.write(source.readAll()) < 0 ||
        !backup.commit())
        return false;
    setStatusMessage(QString());
    return true;
}

bool MainFrame::queryCloseDocument(DocumentWindow* doc) {
    return m_closingAll || m_files.confirmClose(*doc);
}

void MainFrame::viewReadme() {
    m_files.openDocumentFile(programFile(QStringLiteral("readme.txt")));
    m_recent.rebuildMenus();
}

void MainFrame::showAbout() {
    if (!m_about)
        m_about = new AboutBox(userMenuFile(QStringLiteral("userdef.dat")), this);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void MainFrame::documentUnloaded(DocumentWindow* doc) {
    m_documents.release(doc->slot());
    if (!anyDocumentsLeft()) {
        showDocumentTools(false);
        m_recent.rebuildMenus();
    }
    if (isMinimized())
        showNormal();
}

void MainFrame::queryUnload() {
    if (isMinimized())
        showNormal();
    backupUserMenuFile();
    storeGeometry();
}

void MainFrame::closeEvent(QCloseEvent* event) {
    if (!m_skipQueryUnload)
        queryUnload();
    // Every window is asked before any closes, so that Cancel in one keeps all of them open,
    // those already answered with No included.
    const QList<DocumentWindow*> windows = m_documents.openWindows();
    for (DocumentWindow* doc : windows) {
        if (!m_files.confirmClose(*doc)) {
            event->ignore();
            return;
        }
    }
    m_closingAll = true;
    for (DocumentWindow* doc : windows)
        doc->closeDocument();
    m_closingAll = false;
    event->accept();
}
