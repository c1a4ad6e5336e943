#pragma once

#include "tools/DockPlace.h"
#include "ui/LivePreviewPane.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

class CommandHandlers;
class DialogService;
class DocumentWindow;
class LivePreview;
class LivePreviewDock;
class LivePreviewLoader;
class Preferences;
class QDockWidget;

// View > Live Preview: a dock beside the document windows whose pane shows the active document.
// The module and the browser engine are loaded the first time the pane opens; where they cannot
// be, the command says what is missing and nothing else changes. Whether the pane is open is
// stored, and a pane left open opens again at the next start, where its dock was left.
class LivePreviewSwitch : public QObject {
    Q_OBJECT
public:
    // The active document window, or null.
    using ActiveDocument = std::function<DocumentWindow*()>;
    // Puts the dock into the main window where it was left, the first time it opens.
    using DockHost = std::function<void(QDockWidget* dock, const DockPlace& place)>;

    LivePreviewSwitch(Preferences& prefs, DialogService& dialogs, QWidget* dialogParent,
                      ActiveDocument active, DockHost placeDock);
    ~LivePreviewSwitch() override;

    void bindCommands(CommandHandlers& commands);

    // Opens the pane when it was left open; its messages go to the active window.
    void restore();
    // Follows the active document, or its new file after Save As.
    void followActive();

    bool isOpen() const { return m_open; }
    // Stores where the dock is, for the next time it is made; the program calls it on leaving.
    void rememberPlace();
    // The dock, null before the pane first opened.
    QDockWidget* dock() const;
    // Where the module is looked for; read when the pane first opens.
    void setModuleFolders(const QStringList& folders) { m_moduleFolders = folders; }
    // Where clicked links go; the desktop's browser unless replaced.
    void setUrlOpener(LivePreviewPane::UrlOpener opener);

signals:
    // The pane opened or closed (the user may close its dock), for the check marks.
    void openChanged();

private:
    void toggle(DocumentWindow* doc);
    bool open(QWidget* messageParent);
    void makeDock(LivePreviewModule& module);
    void close();
    void setOpen(bool open);
    void follow(DocumentWindow* doc);

    Preferences& m_prefs;
    DialogService& m_dialogs;
    QWidget* m_dialogParent;
    ActiveDocument m_active;
    DockHost m_placeDock;
    QStringList m_moduleFolders;
    std::unique_ptr<LivePreviewLoader> m_loader;
    std::unique_ptr<LivePreview> m_preview;
    QPointer<LivePreviewDock> m_dock;
    QPointer<DocumentWindow> m_followed;
    LivePreviewPane::UrlOpener m_openUrl;
    bool m_open = false;
};
