#include "document/DocumentWindow.h"

#include "commands/CommandMenus.h"
#include "commands/RecentFileEntries.h"
#include "document/CommandHandlers.h"
#include "document/EditOperations.h"
#include "editor/EditorAppearance.h"
#include "editor/EditorBox.h"
#include "state/ProgramState.h"
#include "tags/TagMenus.h"
#include "tags/UserMenus.h"
#include "text/DocumentText.h"
#include "text/LineColumn.h"
#include "text/SizeReport.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QVBoxLayout>

DocumentWindow::DocumentWindow(ProgramState& state, int slot, Host& host, InsertionTarget& target,
                               DialogService& dialogs, const CommandHandlers& commands)
    : m_state(state),
      m_slot(slot),
      m_host(host),
      m_editor(new EditorBox(this)),
      m_commonDialog(dialogs, this),
      m_commands(commands),
      m_menus(new CommandMenus(documentMenuLayout(), this)),
      m_aids(*m_editor) {
    setObjectName(QStringLiteral("document_window"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_editor->setObjectName(QStringLiteral("editor"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_editor);
    setFocusProxy(m_editor);
    buildMenus(target);
    connectState();
    connectEditor();
    setCaption(QStringLiteral("Untitled"));
    applyEditorSwitches();
    refreshMenus();
    EditOperations::routeKeys(*this);
}

QString DocumentWindow::caption() const {
    return m_state.documents().caption(m_slot);
}

void DocumentWindow::setCaption(const QString& caption) {
    m_state.documents().setCaption(m_slot, caption);
}

bool DocumentWindow::isUntitled() const {
    return m_state.documents().isUntitled(m_slot);
}

bool DocumentWindow::isChanged() const {
    return m_state.documents().isChanged(m_slot);
}

void DocumentWindow::setChanged(bool changed) {
    m_state.documents().setChanged(m_slot, changed);
}

void DocumentWindow::loadBytes(const QByteArray& bytes) {
    m_format = DocumentText::load(*m_editor->document(), bytes);
    showLoadedText(bytes, m_format);
}

void DocumentWindow::loadKeptText(const QByteArray& bytes, const TextFormat& kept,
                                  const TextFormat& format) {
    DocumentText::load(*m_editor->document(), bytes, kept);
    m_format = format;
    showLoadedText(bytes, kept);
}

void DocumentWindow::showLoadedText(const QByteArray& bytes, const TextFormat& format) {
    m_editor->moveCursor(QTextCursor::Start);
    m_editor->setHiddenCursor(QTextCursor(m_editor->document()));
    emit loaded(bytes, format);
}

template <typename Change>
void DocumentWindow::withoutChangeTracking(Change change) {
    // A new font makes the editor lay its text out again, which it reports as a change of the
    // whole text.
    const bool outer = m_applyingAppearance;
    m_applyingAppearance = true;
    change();
    m_applyingAppearance = outer;
}

void DocumentWindow::applyFont(const FontChoice& font) {
    withoutChangeTracking([&] { EditorAppearance::setFont(*m_editor, font); });
}

void DocumentWindow::applyBackColor(const QColor& color) {
    withoutChangeTracking([&] { EditorAppearance::setBackColor(*m_editor, color); });
}

void DocumentWindow::applyForeColor(const QColor& color) {
    withoutChangeTracking([&] { EditorAppearance::setForeColor(*m_editor, color); });
}

QString DocumentWindow::caretPlace() const {
    return LineColumn::of(m_editor->textCursor()).statusText();
}

void DocumentWindow::switchWrap() {
    m_editor->switchBox();
    refreshMenus();
}

const QList<QMenu*>& DocumentWindow::menus() const {
    return m_menus->menus();
}

QAction* DocumentWindow::action(Command id) const {
    return m_menus->action(id);
}

QAction* DocumentWindow::entry(const QString& name) const {
    return findChild<QAction*>(name);
}

QMenu* DocumentWindow::menu(const char* name) const {
    return m_menus->menu(name);
}

void DocumentWindow::buildMenus(InsertionTarget& target) {
    QMenu* insert = menu("insert_menu");
    TagMenus::addTo(insert, this, target, m_commonDialog);
    UserMenus::addTo(insert, this, target);
    new RecentFileEntries(*menu("file_menu"), RecentFileEntries::Separator::Own,
                          m_state.recentFiles(),
                          [this](const QString& file) { m_host.openRecentFile(file); });
    connect(m_menus, &CommandMenus::triggered, this, [this](Command id) {
        m_commands.run(id, this);
        refreshMenus();
    });
    for (QMenu* each : m_menus->menus())
        connect(each, &QMenu::aboutToShow, this, &DocumentWindow::refreshMenus);
}

void DocumentWindow::connectState() {
    DocumentTable& table = m_state.documents();
    connect(&table, &DocumentTable::captionChanged, this, [this](int slot) {
        if (slot != m_slot)
            return;
        // "[*]" in a window title is Qt's modified marker; doubling it shows it literally.
        setWindowTitle(caption().replace(QLatin1String("[*]"), QLatin1String("[*][*]")));
        // A new name may make the document a text file, or no longer one.
        applyEditorSwitches();
    });
    connect(&table, &DocumentTable::marksChanged, this, [this](int slot) {
        if (slot == m_slot)
            refreshMenus();
    });
    connect(&m_state, &ProgramState::marksChanged, this, &DocumentWindow::refreshMenus);
    connect(&m_state, &ProgramState::editorSwitchesChanged, this, [this] {
        applyEditorSwitches();
        refreshMenus();
    });
    connect(&m_state, &ProgramState::userMenusChanged, this,
            [this] { UserMenus::draw(this, m_state.userMenus()); });
}

void DocumentWindow::refreshMenus() {
    m_commands.refresh(*m_menus, CommandStatus::of(m_state, this));
}

void DocumentWindow::applyEditorSwitches() {
    m_aids.apply(m_state.editorSwitches(), caption());
}

void DocumentWindow::connectEditor() {
    connect(m_editor->document(), &QTextDocument::contentsChange, this,
            &DocumentWindow::onContentsChange);
    connect(m_editor->document(), &QTextDocument::undoAvailable, this,
            &DocumentWindow::refreshMenus);
    connect(m_editor->document(), &QTextDocument::redoAvailable, this,
            &DocumentWindow::refreshMenus);
    connect(m_editor, &QPlainTextEdit::cursorPositionChanged, this, &DocumentWindow::caretMoved);
    connect(m_editor, &EditorBox::keyReleased, this, &DocumentWindow::reportSize);
    connect(m_editor, &EditorBox::mouseReleased, this, &DocumentWindow::reportSize);
    connect(m_editor, &EditorBox::mouseMoved, this, &DocumentWindow::reportSizeOnMouseMove);
}

void DocumentWindow::onContentsChange(int, int charsRemoved, int charsAdded) {
    if (m_applyingAppearance)
        return;
    if (charsRemoved != 0 || charsAdded != 0)
        setChanged(true);
}

void DocumentWindow::reportSize() {
    const int eol = lineEndLength(m_format.lineEnd);
    emit statusMessage(
        SizeReport::afterRelease(m_editor->selectionLength(eol), m_editor->documentLength(eol)));
}

void DocumentWindow::reportSizeOnMouseMove() {
    const int eol = lineEndLength(m_format.lineEnd);
    const auto text =
        SizeReport::afterMouseMove(m_editor->selectionLength(eol), m_editor->documentLength(eol));
    if (text)
        emit statusMessage(*text);
}

QMdiSubWindow* DocumentWindow::subWindow() const {
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

void DocumentWindow::activate() {
    if (QMdiSubWindow* sub = subWindow(); sub && sub->mdiArea())
        sub->mdiArea()->setActiveSubWindow(sub);
}

bool DocumentWindow::closeDocument() {
    QMdiSubWindow* sub = subWindow();
    return sub ? sub->close() : close();
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    if (!m_host.queryClose(*this)) {
        event->ignore();
        return;
    }
    event->accept();
    m_host.closed(*this);
}
