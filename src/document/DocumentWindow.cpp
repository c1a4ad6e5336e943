#include "document/DocumentWindow.h"

#include "app/MainFrame.h"
#include "app/Toolbar.h"
#include "document/AppearanceCommands.h"
#include "document/DocumentText.h"
#include "document/EditCommands.h"
#include "document/EditorBox.h"
#include "document/FindCommands.h"
#include "document/MenuTable.h"
#include "document/SizeReport.h"
#include "document/WindowMenu.h"
#include "tags/TagMenus.h"
#include "tags/UserMenus.h"
#include "templates/TemplateOptionsDialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QVBoxLayout>

namespace {

// The window's menus. Entries come in disabled; each command binds and enables its own.
const MenuEntry kFileEntries[] = {
    {"mnuFNew", "&New"},
    {"mnuFOpen", "&Open"},
    {"mnuFClose", "&Close"},
    {"mnuFSave", "&Save"},
    {"mnuFSaveAs", "Save &As..."},
    {"mnuFExit", "E&xit"},
    {"mnuRecentFile0", "-"},
    {"mnuRecentFile1", "RecentFile1"},
    {"mnuRecentFile2", "RecentFile2"},
    {"mnuRecentFile3", "RecentFile3"},
    {"mnuRecentFile4", "RecentFile4"},
};
const MenuEntry kEditEntries[] = {
    {"mnuECut", "Cu&t", "Ctrl+X"},
    {"mnuECopy", "&Copy", "Ctrl+C"},
    {"mnuEPaste", "&Paste", "Ctrl+V"},
    {"mnuEDelete", "De&lete", "Del"},
    {"mnuESep1", "-"},
    {"mnuESelectAll", "Select &All"},
    {"mnuESep2", "-"},
    {"mnuSFind", "&Find"},
    {"mnuSFindNext", "Find &Next", "F3"},
    {"mnuESep3", "-"},
    {"wrapt", "&Wrap Text", "", true},
};
const MenuEntry kInsertEntries[] = {
    {"mnuETime", "Ti&me/Date"},
    {"template", "&Quick Page"},
};
const MenuEntry kOptionEntries[] = {
    {"mnuOTemplate", "Te&mplate", "", true},
    {"mnuOToolbar", "&Toolbar", "", true},
    {"mnuONoform", "&Cancel new form on startup", "", true},
};
const MenuEntry kColorEntries[] = {
    {"bkgnd", "&Background color"},
    {"forgnd", "&Foreground color"},
};
const MenuEntry kOptionTailEntries[] = {
    {"mnuFont", "&Font"},
    {"sep77", "-"},
    {"mnuEditUser", "&Edit Userdef.dat File"},
    {"mnuuudm", "&Update User Defined Menus"},
    {"backuser", "&Backup Userdef.dat now"},
    {"tt67", "-"},
    {"clrreg", "Clear &Preferences", "", true},
};
const MenuEntry kWindowEntries[] = {
    {"mnuWCascade", "&Cascade"},
    {"mnuWTile", "&Tile"},
    {"mnuWArrange", "&Arrange Icons"},
};
const MenuEntry kHelpEntries[] = {
    {"readme", "&View the ReadMe file"},
    {"about", "&About Pagelark"},
};

}  // namespace

DocumentWindow::DocumentWindow(MainFrame& frame, int slot)
    : m_frame(frame),
      m_slot(slot),
      m_editor(new EditorBox(this)),
      m_commonDialog(frame.dialogs(), this) {
    setObjectName(QStringLiteral("frmNotePad"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_editor->setObjectName(QStringLiteral("Text1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_editor);
    setFocusProxy(m_editor);
    setCaption(QStringLiteral("Untitled"));
    buildMenus();
    bindOwnCommands();
    connectEditor();
}

void DocumentWindow::setCaption(const QString& caption) {
    m_caption = caption;
    // "[*]" in a window title is Qt's modified marker; doubling it shows it literally.
    QString title = caption;
    setWindowTitle(title.replace(QLatin1String("[*]"), QLatin1String("[*][*]")));
}

bool DocumentWindow::isChanged() const {
    return m_frame.documents().isChanged(m_slot);
}

void DocumentWindow::setChanged(bool changed) {
    m_frame.documents().setChanged(m_slot, changed);
}

void DocumentWindow::loadBytes(const QByteArray& bytes) {
    m_format = DocumentText::load(*m_editor->document(), bytes);
    m_editor->moveCursor(QTextCursor::Start);
    m_editor->setHiddenCursor(QTextCursor(m_editor->document()));
}

QAction* DocumentWindow::action(const QString& name) const {
    return findChild<QAction*>(name);
}

QMenu* DocumentWindow::menu(const QString& name) const {
    return findChild<QMenu*>(name);
}

void DocumentWindow::buildMenus() {
    QMenu* file = MenuTable::addMenu(this, nullptr, "mnuFile", "&File");
    MenuTable::addEntries(file, kFileEntries);
    QMenu* edit = MenuTable::addMenu(this, nullptr, "mnuEdit", "&Edit");
    MenuTable::addEntries(edit, kEditEntries);
    QMenu* insert = MenuTable::addMenu(this, nullptr, "insert", "&Insert");
    MenuTable::addEntries(insert, kInsertEntries);
    QMenu* options = MenuTable::addMenu(this, nullptr, "mnuOptions", "&Options");
    MenuTable::addEntries(options, kOptionEntries);
    QMenu* colors = MenuTable::addMenu(this, options, "colors", "&Colors");
    MenuTable::addEntries(colors, kColorEntries);
    MenuTable::addEntries(options, kOptionTailEntries);
    QMenu* window = MenuTable::addMenu(this, nullptr, "mnuWindow", "&Window");
    MenuTable::addEntries(window, kWindowEntries);
    QMenu* help = MenuTable::addMenu(this, nullptr, "mnuHelp", "&Help");
    MenuTable::addEntries(help, kHelpEntries);
    m_menus = {file, edit, insert, options, window, help};

    for (QMenu* menu : m_menus) {
        for (QAction* entry : menu->findChildren<QAction*>()) {
            if (!entry->isSeparator() && !entry->menu())
                entry->setEnabled(false);
        }
    }
    for (int position = 0; position <= 4; ++position)
        action(QStringLiteral("mnuRecentFile%1").arg(position))->setVisible(false);
    action(QStringLiteral("wrapt"))->setChecked(true);
    TagMenus::addTo(insert, this, m_frame, m_commonDialog);
    UserMenus::addTo(insert, this, m_frame);
}

void DocumentWindow::bindOwnCommands() {
    bind(QStringLiteral("mnuFNew"), [this] { m_frame.newDocument(); });
    bind(QStringLiteral("mnuFOpen"), [this] { m_frame.fileCommands().openCommand(); });
    bind(QStringLiteral("mnuFClose"), [this] { closeDocument(); });
    bind(QStringLiteral("mnuFSave"), [this] { m_frame.fileCommands().save(*this); });
    bind(QStringLiteral("mnuFSaveAs"), [this] { m_frame.fileCommands().saveAs(*this); });
    for (int position = 1; position <= 4; ++position) {
        QAction* entry = action(QStringLiteral("mnuRecentFile%1").arg(position));
        bind(entry->objectName(), [this, entry] { m_frame.recentFiles().open(entry); });
    }
    bind(QStringLiteral("readme"), [this] { m_frame.viewReadme(); });
    bind(QStringLiteral("about"), [this] { m_frame.showAbout(); });
    bind(QStringLiteral("mnuFExit"), [this] { m_frame.exitFromDocument(); });
    bind(QStringLiteral("mnuONoform"), [this] { m_frame.toggleNoform(this); });
    bind(QStringLiteral("clrreg"), [this] { m_frame.clearPreferences(this); });
    bind(QStringLiteral("mnuOToolbar"),
         [this] { m_frame.toolbar()->switchFrom(action(QStringLiteral("mnuOToolbar"))); });
    connect(menu(QStringLiteral("mnuOptions")), &QMenu::aboutToShow, this,
            [this] { action(QStringLiteral("mnuOToolbar"))->setChecked(m_frame.toolbarShown()); });
    bind(QStringLiteral("template"), [this] { m_frame.builders().open(BuilderKind::QuickPage); });
    EditCommands::bindTo(*this);
    FindCommands::bindTo(*this);
    AppearanceCommands::bindTo(*this);
    WindowMenu::bindTo(*this);
    bind(QStringLiteral("mnuEditUser"), [this] { UserMenus::editFile(m_frame); });
    bind(QStringLiteral("mnuuudm"), [this] { UserMenus::load(m_frame); });
    bind(QStringLiteral("backuser"), [this] { m_frame.backupUserMenuFile(); });
    TemplateOptionsDialog::bindMenuEntry(m_frame, action(QStringLiteral("mnuOTemplate")));
    bind(QStringLiteral("wrapt"), [this] {
        m_editor->switchBox();
        action(QStringLiteral("wrapt"))->setChecked(m_editor->wraps());
    });
}

void DocumentWindow::connectEditor() {
    connect(m_editor->document(), &QTextDocument::contentsChange, this,
            &DocumentWindow::onContentsChange);
    connect(m_editor, &EditorBox::keyReleased, this, &DocumentWindow::reportSize);
    connect(m_editor, &EditorBox::mouseReleased, this, &DocumentWindow::reportSize);
    connect(m_editor, &EditorBox::mouseMoved, this, &DocumentWindow::reportSizeOnMouseMove);
}

void DocumentWindow::onContentsChange(int, int charsRemoved, int charsAdded) {
    // A change of the editor's font re-lays the text out and is reported with equal counts over
    // the whole text; only real edits mark the document changed.
    if (m_frame.isApplyingAppearance())
        return;
    if (charsRemoved != 0 || charsAdded != 0)
        setChanged(true);
}

void DocumentWindow::reportSize() {
    const int eol = lineEndLength(m_format.lineEnd);
    m_frame.setStatusMessage(
        SizeReport::afterRelease(m_editor->selectionLength(eol), m_editor->documentLength(eol)));
}

void DocumentWindow::reportSizeOnMouseMove() {
    const int eol = lineEndLength(m_format.lineEnd);
    const auto text =
        SizeReport::afterMouseMove(m_editor->selectionLength(eol), m_editor->documentLength(eol));
    if (text)
        m_frame.setStatusMessage(*text);
}

QMdiSubWindow* DocumentWindow::subWindow() const {
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

bool DocumentWindow::closeDocument() {
    QMdiSubWindow* sub = subWindow();
    return sub ? sub->close() : close();
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    if (!m_frame.queryCloseDocument(this)) {
        event->ignore();
        return;
    }
    event->accept();
    m_frame.documentUnloaded(this);
}
