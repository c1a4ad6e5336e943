#include "tools/LivePreviewSwitch.h"

#include "document/CommandHandlers.h"
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "state/Preferences.h"
#include "tools/LivePreview.h"
#include "tools/LivePreviewDock.h"
#include "tools/LivePreviewLoader.h"
#include "ui/DialogService.h"

#include <QFileInfo>

LivePreviewSwitch::LivePreviewSwitch(Preferences& prefs, DialogService& dialogs,
                                     QWidget* dialogParent, ActiveDocument active,
                                     DockHost placeDock)
    : m_prefs(prefs),
      m_dialogs(dialogs),
      m_dialogParent(dialogParent),
      m_active(std::move(active)),
      m_placeDock(std::move(placeDock)),
      m_moduleFolders(LivePreviewLoader::defaultFolders()) {}

LivePreviewSwitch::~LivePreviewSwitch() = default;

void LivePreviewSwitch::bindCommands(CommandHandlers& commands) {
    commands.bind(
        Command::ViewLivePreview, [this](DocumentWindow* doc) { toggle(doc); },
        [this](const CommandStatus&) { return m_open; });
}

void LivePreviewSwitch::restore() {
    if (!m_open && m_prefs.livePreview()) {
        DocumentWindow* doc = m_active();
        open(doc ? doc : m_dialogParent);
    }
}

void LivePreviewSwitch::followActive() {
    if (m_open)
        follow(m_active());
}

QDockWidget* LivePreviewSwitch::dock() const {
    return m_dock;
}

void LivePreviewSwitch::setUrlOpener(LivePreviewPane::UrlOpener opener) {
    m_openUrl = std::move(opener);
    if (m_preview)
        m_preview->setUrlOpener(m_openUrl);
}

void LivePreviewSwitch::toggle(DocumentWindow* doc) {
    if (!m_open) {
        open(doc ? doc : m_dialogParent);
        return;
    }
    if (m_dock)
        m_dock->hide();
    close();
}

bool LivePreviewSwitch::open(QWidget* messageParent) {
    if (!m_loader)
        m_loader = std::make_unique<LivePreviewLoader>(m_moduleFolders);
    LivePreviewModule* module = m_loader->module();
    if (!module) {
        // Said once: a pane left open does not bring the message back at every start.
        m_prefs.setLivePreview(false);
        m_dialogs.showNote(messageParent, m_loader->message());
        return false;
    }
    if (!m_dock)
        makeDock(*module);
    m_dock->show();
    setOpen(true);
    followActive();
    return true;
}

void LivePreviewSwitch::makeDock(LivePreviewModule& module) {
    m_dock = new LivePreviewDock;
    m_preview = std::make_unique<LivePreview>(module, m_dock);
    m_dock->setWidget(m_preview->pane());
    if (m_openUrl)
        m_preview->setUrlOpener(m_openUrl);
    connect(m_dock, &LivePreviewDock::closedByUser, this, &LivePreviewSwitch::close);
    m_placeDock(m_dock, DockPlace::fromText(m_prefs.livePreviewPlace()));
}

void LivePreviewSwitch::rememberPlace() {
    if (m_dock)
        m_prefs.setLivePreviewPlace(DockPlace::of(*m_dock).toText());
}

// A closed pane follows nothing, so that typing pays nothing for it.
void LivePreviewSwitch::close() {
    rememberPlace();
    setOpen(false);
    follow(nullptr);
}

void LivePreviewSwitch::setOpen(bool open) {
    m_open = open;
    m_prefs.setLivePreview(open);
    emit openChanged();
}

void LivePreviewSwitch::follow(DocumentWindow* doc) {
    if (doc != m_followed) {
        if (m_followed)
            m_followed->disconnect(this);
        m_followed = doc;
        // Save As gives the document a file, and its relative addresses a folder.
        if (doc)
            connect(doc, &QWidget::windowTitleChanged, this, &LivePreviewSwitch::followActive);
    }
    if (!m_preview)
        return;
    const bool hasFile = doc && !doc->isUntitled();
    m_preview->setDocument(doc ? doc->editor() : nullptr,
                           hasFile ? QFileInfo(doc->caption()).absoluteFilePath() : QString());
}
