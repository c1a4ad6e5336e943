#include "app/FrameCommands.h"

#include "app/AboutBox.h"
#include "app/DocumentWindows.h"
#include "app/MainFrame.h"
#include "app/StatusLine.h"
#include "app/Toolbar.h"
#include "app/WindowMenu.h"
#include "document/EditCommands.h"
#include "editor/EditorBox.h"
#include "find/FindDialog.h"
#include "find/ReplaceDialog.h"
#include "state/ProgramState.h"
#include "tags/SurroundTag.h"
#include "tags/UserMenus.h"
#include "templates/TemplateOptionsDialog.h"
#include "templates/Templates.h"
#include "ui/DialogService.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QSaveFile>

namespace {

EditorBox* editorOf(DocumentWindow* doc) {
    return doc ? doc->editor() : nullptr;
}

}  // namespace

FrameCommands::FrameCommands(MainFrame& frame)
    : m_frame(frame),
      m_files(
          frame.state(), frame.dialogs(), &frame,
          [&frame](const QString& caption) { return frame.documents().createForFile(caption); }),
      m_find(frame.state().search(), frame.dialogs(), &frame,
             [&frame] { return frame.documents().active(); }),
      m_appearance(frame.state().preferences(),
                   [&frame] { return frame.documents().openWindows(); }),
      m_builders(frame.documents(), frame.dialogs(), &frame),
      m_pageTools(frame.dialogs(), &frame,
                  [&frame](QWidget* panel) { frame.showUnderDocuments(panel); }) {}

using C = Command;
using F = FrameCommands;

const FrameCommands::HandlerRow FrameCommands::kHandlers[] = {
    {C::FileNew, &F::newDocument},
    {C::FileOpen, &F::open},
    {C::FileClose, &F::close},
    {C::FileSave, &F::save},
    {C::FileSaveAs, &F::saveAs},
    {C::FileExit, &F::exit},
    {C::EditUndo, &F::undo},
    {C::EditRedo, &F::redo},
    {C::EditCut, &F::cut},
    {C::EditCopy, &F::copy},
    {C::EditPaste, &F::paste},
    {C::EditDelete, &F::deleteSelection},
    {C::EditSelectAll, &F::selectAll},
    {C::EditSurroundWithTag, &F::surroundWithTag},
    {C::EditFind, &F::findText},
    {C::EditFindNext, &F::findNext},
    {C::EditReplace, &F::replace},
    {C::EditGoToLine, &F::goToLine},
    {C::EditWrapText, &F::wrapText},
    {C::InsertTimeDate, &F::insertTimeDate},
    {C::InsertQuickPage, &F::quickPage},
    {C::OptionsTemplate, &F::templateOptions},
    {C::OptionsToolbar, &F::toggleToolbar},
    {C::OptionsCancelNewForm, &F::toggleCancelNewForm},
    {C::OptionsBackgroundColor, &F::backgroundColor},
    {C::OptionsForegroundColor, &F::foregroundColor},
    {C::OptionsFont, &F::font},
    {C::OptionsEditUserMenus, &F::editUserMenus},
    {C::OptionsUpdateUserMenus, &F::updateUserMenus},
    {C::OptionsBackupUserMenus, &F::backupUserMenus},
    {C::OptionsClearPreferences, &F::clearPreferences},
    {C::ToolsPreviewInBrowser, &F::previewInBrowser},
    {C::ToolsCheckPage, &F::checkPage},
    {C::OptionsOpenLargeFiles, &F::toggleOpenLargeFiles},
    {C::ViewSyntaxColouring, &F::toggleSyntaxColouring},
    {C::ViewLineNumbers, &F::toggleLineNumbers},
    {C::WindowCascade, &F::cascade},
    {C::WindowTile, &F::tile},
    {C::WindowArrangeIcons, &F::arrangeIcons},
    {C::WindowNext, &F::nextWindow},
    {C::WindowPrevious, &F::previousWindow},
    {C::WindowTabbed, &F::tabbedWindows},
    {C::HelpReadme, &F::viewReadme},
    {C::HelpAbout, &F::about},
};

void FrameCommands::run(Command id, DocumentWindow* doc) {
    static_assert(std::size(kHandlers) == kCommandCount, "one handler per command");
    for (const HandlerRow& row : kHandlers) {
        if (row.id == id)
            return (this->*row.handler)(doc);
    }
}

void FrameCommands::runToolbarButton(ToolbarButton button) {
    DocumentWindow* doc = m_frame.documents().active();
    switch (button) {
        case ToolbarButton::New:
            return newDocument(doc);
        case ToolbarButton::Open:
            return open(doc);
        case ToolbarButton::Save:
            // Through the window's own entry, as its menu would.
            if (doc)
                doc->action(Command::FileSave)->trigger();
            return;
        case ToolbarButton::Cut:
            return cut(doc);
        case ToolbarButton::Copy:
            return copy(doc);
        case ToolbarButton::Paste:
            return paste(doc);
    }
}

void FrameCommands::newDocument(DocumentWindow*) {
    m_frame.documents().newDocument();
}

void FrameCommands::open(DocumentWindow*) {
    m_files.openCommand();
}

void FrameCommands::openRecentFile(const QString& fileName) {
    m_files.openDocumentFile(fileName);
    m_frame.state().recentFiles().rebuild();
}

void FrameCommands::close(DocumentWindow* doc) {
    if (doc)
        doc->closeDocument();
}

void FrameCommands::save(DocumentWindow* doc) {
    if (doc)
        m_files.save(*doc);
}

void FrameCommands::saveAs(DocumentWindow* doc) {
    if (doc)
        m_files.saveAs(*doc);
}

void FrameCommands::exit(DocumentWindow* doc) {
    if (doc)
        m_frame.exitFromDocument();
    else
        m_frame.exitFromFrame();
}

void FrameCommands::undo(DocumentWindow* doc) {
    if (doc)
        doc->editor()->undo();
}

void FrameCommands::redo(DocumentWindow* doc) {
    if (doc)
        doc->editor()->redo();
}

void FrameCommands::cut(DocumentWindow* doc) {
    EditCommands::cutSelection(editorOf(doc));
}

void FrameCommands::copy(DocumentWindow* doc) {
    EditCommands::copySelection(editorOf(doc));
}

void FrameCommands::paste(DocumentWindow* doc) {
    EditCommands::pasteClipboard(editorOf(doc));
}

void FrameCommands::deleteSelection(DocumentWindow* doc) {
    EditCommands::deleteSelection(editorOf(doc));
}

void FrameCommands::selectAll(DocumentWindow* doc) {
    EditCommands::selectAll(editorOf(doc));
}

void FrameCommands::surroundWithTag(DocumentWindow* doc) {
    if (!doc)
        return;
    const std::optional<QString> typed = m_frame.dialogs().askTag(&m_frame);
    if (const std::optional<TagPair> pair = typed ? tagPairFor(*typed) : std::nullopt)
        surroundSelection(doc->editor(), *pair);
}

void FrameCommands::findText(DocumentWindow* doc) {
    if (doc)
        m_find.find(*doc);
}

void FrameCommands::findNext(DocumentWindow* doc) {
    if (doc)
        m_find.findNext(*doc);
}

void FrameCommands::replace(DocumentWindow* doc) {
    if (!m_replace) {
        DocumentWindows& windows = m_frame.documents();
        m_replace = new ReplaceDialog(
            [&windows]() -> QPlainTextEdit* { return editorOf(windows.active()); }, &m_frame);
        QObject::connect(m_replace, &ReplaceDialog::replacedAll, &m_frame, [this](int count) {
            m_frame.setStatusMessage(ReplaceDialog::replacedText(count));
        });
    }
    // A selection within one line is what the user most likely wants to replace.
    const QString selected = doc ? doc->editor()->textCursor().selectedText() : QString();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
        m_replace->setFindText(selected);
    m_replace->show();
    m_replace->raise();
    m_replace->activateWindow();
}

void FrameCommands::goToLine(DocumentWindow* doc) {
    if (!doc)
        return;
    EditorBox& editor = *doc->editor();
    if (const auto place = m_frame.dialogs().showGoToLine(&m_frame, editor.blockCount()))
        EditCommands::goToPlace(editor, *place);
}

void FrameCommands::wrapText(DocumentWindow* doc) {
    if (doc)
        doc->switchWrap();
}

void FrameCommands::insertTimeDate(DocumentWindow*) {
    EditCommands::insertTimeDate(m_frame.documents());
}

void FrameCommands::quickPage(DocumentWindow*) {
    m_builders.open(BuilderKind::QuickPage);
}

void FrameCommands::templateOptions(DocumentWindow*) {
    // A dialog that was just closed is hidden while it waits to be deleted: it is not reused.
    if (!m_templateOptions || m_templateOptions->isHidden()) {
        // The shipped templates lie beside the read-me file.
        const QString starters = QFileInfo(m_frame.state().readmeFile()).absolutePath();
        m_templateOptions = new TemplateOptionsDialog(
            m_frame.state().preferences(), m_files.dialog(), m_frame.dialogs(), starters, &m_frame);
        QObject::connect(
            m_templateOptions, &TemplateOptionsDialog::chosen, &m_frame,
            [this](bool marked, const QString& file) { templateChosen(marked, file); });
        m_templateOptions->show();
    }
    m_templateOptions->raise();
    m_templateOptions->activateWindow();
}

void FrameCommands::templateChosen(bool marked, const QString& file) {
    setTemplateMarks(marked);
    if (!m_frame.state().preferencesCleared())
        m_frame.statusLine()->templateFile()->setText(Templates::statusText(file));
}

void FrameCommands::setTemplateMarks(bool marked) {
    // Only the active document's entry follows; other windows keep theirs until reopened.
    ProgramState& state = m_frame.state();
    MenuMarks frameMarks = state.frameMarks();
    frameMarks.useTemplate = marked;
    state.setFrameMarks(frameMarks);
    if (DocumentWindow* active = m_frame.documents().active()) {
        MenuMarks marks = state.documents().marks(active->slot());
        marks.useTemplate = marked;
        state.documents().setMarks(active->slot(), marks);
    }
}

void FrameCommands::toggleToolbar(DocumentWindow*) {
    const bool shown = !m_frame.state().toolbarShown();
    m_frame.showToolbar(shown);
    m_frame.state().preferences().setToolbarShown(shown);
}

void FrameCommands::toggleCancelNewForm(DocumentWindow* doc) {
    ProgramState& state = m_frame.state();
    MenuMarks frameMarks = state.frameMarks();
    bool on = !frameMarks.cancelNewForm;
    if (doc) {
        MenuMarks marks = state.documents().marks(doc->slot());
        on = marks.cancelNewForm = !marks.cancelNewForm;
        state.documents().setMarks(doc->slot(), marks);
        // The frame's entry follows a window's only when the choice could be stored.
        if (state.preferencesCleared())
            return;
    }
    state.preferences().setStartWithoutDocument(on);
    frameMarks.cancelNewForm = on;
    state.setFrameMarks(frameMarks);
}

void FrameCommands::backgroundColor(DocumentWindow* doc) {
    if (doc)
        m_appearance.chooseBackColor(*doc);
}

void FrameCommands::foregroundColor(DocumentWindow* doc) {
    if (doc)
        m_appearance.chooseForeColor(*doc);
}

void FrameCommands::font(DocumentWindow* doc) {
    if (doc)
        m_frame.statusLine()->font()->setText(m_appearance.chooseFont(*doc));
}

void FrameCommands::editUserMenus(DocumentWindow*) {
    m_files.openDocumentFile(m_frame.state().userMenuFile());
    m_frame.state().recentFiles().rebuild();
}

void FrameCommands::updateUserMenus(DocumentWindow*) {
    UserMenus::load(m_frame.state(), m_frame.dialogs(), &m_frame);
}

void FrameCommands::backupUserMenus(DocumentWindow*) {
    backupUserMenuFile();
}

bool FrameCommands::backupUserMenuFile() {
    m_frame.setStatusMessage(QStringLiteral("Backing up userdef.dat file"));
    QFile source(m_frame.state().userMenuFile());
    if (!QFileInfo(source).isFile() || !source.open(QIODevice::ReadOnly))
        return false;
    // Written whole and then renamed, so a failed copy never spoils the previous backup.
    QSaveFile backup(m_frame.state().userMenuBackupFile());
    if (!backup.open(QIODevice::WriteOnly) || backup.write(source.readAll()) < 0 ||
        !backup.commit())
        return false;
    m_frame.setStatusMessage(QString());
    return true;
}

void FrameCommands::clearPreferences(DocumentWindow* doc) {
    ProgramState& state = m_frame.state();
    DocumentTable& table = state.documents();
    const auto setOwnMark = [&](bool on) {
        if (!doc)
            return;
        MenuMarks marks = table.marks(doc->slot());
        marks.preferencesCleared = on;
        table.setMarks(doc->slot(), marks);
    };
    // The chosen entry's own mark decides: a checked entry switches the mode off at once.
    if (doc ? table.marks(doc->slot()).preferencesCleared : state.preferencesCleared()) {
        setOwnMark(false);
        state.setPreferencesCleared(false);
        return;
    }
    const MessageRequest question{
        QStringLiteral("Clear Pagelark Registry Settings.\nAre You sure?"),
        QStringLiteral("Pagelark"), MessageButtons::OkCancel, MessageIcon::None};
    if (m_frame.dialogs().showMessage(&m_frame, question) != MessageAnswer::Ok)
        return;
    state.preferences().clearAll();
    setTemplateMarks(false);
    state.setPreferencesCleared(true);
    setOwnMark(true);
}

void FrameCommands::previewInBrowser(DocumentWindow* doc) {
    if (doc)
        m_pageTools.preview(*doc);
}

void FrameCommands::checkPage(DocumentWindow* doc) {
    if (doc)
        m_pageTools.checkPage(*doc);
}

void FrameCommands::flipEditorSwitch(bool EditorSwitches::*which,
                                     void (Preferences::*store)(bool)) {
    ProgramState& state = m_frame.state();
    EditorSwitches switches = state.editorSwitches();
    switches.*which = !(switches.*which);
    state.setEditorSwitches(switches);
    (state.preferences().*store)(switches.*which);
}

void FrameCommands::toggleOpenLargeFiles(DocumentWindow*) {
    flipEditorSwitch(&EditorSwitches::openLargeFiles, &Preferences::setOpenLargeFiles);
}

void FrameCommands::toggleSyntaxColouring(DocumentWindow*) {
    flipEditorSwitch(&EditorSwitches::syntaxColouring, &Preferences::setSyntaxColouring);
}

void FrameCommands::toggleLineNumbers(DocumentWindow*) {
    flipEditorSwitch(&EditorSwitches::lineNumbers, &Preferences::setLineNumbers);
}

void FrameCommands::cascade(DocumentWindow*) {
    m_frame.mdiArea()->cascadeSubWindows();
}

void FrameCommands::tile(DocumentWindow*) {
    WindowMenu::tile(*m_frame.mdiArea());
}

void FrameCommands::arrangeIcons(DocumentWindow*) {
    WindowMenu::arrangeIcons(*m_frame.mdiArea());
}

void FrameCommands::nextWindow(DocumentWindow*) {
    m_frame.mdiArea()->activateNextSubWindow();
}

void FrameCommands::previousWindow(DocumentWindow*) {
    m_frame.mdiArea()->activatePreviousSubWindow();
}

void FrameCommands::tabbedWindows(DocumentWindow*) {
    const bool tabbed = !m_frame.state().tabbedWindows();
    m_frame.showTabbedWindows(tabbed);
    m_frame.state().preferences().setTabbedWindows(tabbed);
}

void FrameCommands::viewReadme(DocumentWindow*) {
    m_files.openDocumentFile(m_frame.state().readmeFile());
    m_frame.state().recentFiles().rebuild();
}

void FrameCommands::about(DocumentWindow*) {
    if (!m_about)
        m_about = new AboutBox(m_frame.state().userMenuFile(), &m_frame);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}
