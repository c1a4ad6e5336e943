#include "app/PageTools.h"

#include "app/DocumentWindows.h"
#include "app/MainFrame.h"
#include "document/DialogService.h"
#include "document/EditorBox.h"
#include "tools/BrowserPreview.h"
#include "tools/PageCheckPanel.h"

#include <QAction>
#include <QDesktopServices>
#include <QMdiArea>
#include <QMdiSubWindow>

PageTools::PageTools(MainFrame& frame)
    : m_frame(frame), m_openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {}

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
        m_frame.dialogs().showNote(&m_frame,
                                   QStringLiteral("Can't start a browser for : ") + doc.caption());
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
    m_frame.showUnderDocuments(m_panel);
    return *m_panel;
}

void PageTools::goToProblem(QPlainTextEdit* editor, int line, int column) {
    for (DocumentWindow* doc : m_frame.documents().openWindows()) {
        if (doc->editor() != editor)
            continue;
        m_frame.mdiArea()->setActiveSubWindow(doc->subWindow());
        PageCheckPanel::moveCaretTo(editor, line, column);
        editor->setFocus();
        return;
    }
}
