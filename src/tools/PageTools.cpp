#include "tools/PageTools.h"

#include "document/CommandHandlers.h"
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "tools/BrowserPreview.h"
#include "tools/PageCheckPanel.h"
#include "ui/DialogService.h"

#include <QAction>

PageTools::PageTools(DialogService& dialogs, QWidget* dialogParent, PanelHost showPanel)
    : m_dialogs(dialogs),
      m_dialogParent(dialogParent),
      m_showPanel(std::move(showPanel)),
      m_openUrl(openInBrowser) {}

void PageTools::bindCommands(CommandHandlers& commands) {
    commands.bindForDocument(Command::ToolsPreviewInBrowser,
                             [this](DocumentWindow& doc) { preview(doc); });
    commands.bindForDocument(Command::ToolsCheckPage,
                             [this](DocumentWindow& doc) { checkPage(doc); });
    commands.bind(
        Command::ToolsStopCheck,
        [this](DocumentWindow*) {
            if (m_panel)
                m_panel->stop();
        },
        nullptr, [this](const CommandStatus&) { return m_panel && m_panel->isChecking(); });
}

void PageTools::preview(DocumentWindow& doc) {
    // Through the window's own entries, as if the user had chosen them first.
    switch (previewStep(doc.isUntitled(), doc.isChanged())) {
        case PreviewStep::SaveAsFirst:
            doc.action(Command::FileSaveAs)->trigger();
            break;
        case PreviewStep::SaveFirst:
            doc.action(Command::FileSave)->trigger();
            break;
        case PreviewStep::ShowNow:
            break;
    }
    // What the browser would read is not what the window shows: show nothing.
    if (doc.isUntitled() || doc.isChanged())
        return;
    if (!m_openUrl(previewUrl(doc.caption())))
        m_dialogs.showNote(m_dialogParent, noBrowserMessage(doc.caption()));
}

void PageTools::checkPage(DocumentWindow& doc) {
    shownPanel().check(doc.editor(), doc.caption());
}

PageCheckPanel* PageTools::panel() const {
    return m_panel;
}

PageCheckPanel& PageTools::shownPanel() {
    if (!m_panel) {
        m_panel = new PageCheckPanel;
        connect(m_panel, &PageCheckPanel::problemChosen, this, &PageTools::goToProblem);
    }
    m_showPanel(m_panel);
    return *m_panel;
}

void PageTools::goToProblem(QPlainTextEdit* editor, int line, int column) {
    // The panel only names editors that are still open, each inside its document window.
    for (QWidget* up = editor->parentWidget(); up; up = up->parentWidget()) {
        if (auto* doc = qobject_cast<DocumentWindow*>(up)) {
            doc->activate();
            PageCheckPanel::moveCaretTo(editor, line, column);
            editor->setFocus();
            return;
        }
    }
}
