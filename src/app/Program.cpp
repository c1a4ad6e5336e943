#include "app/Program.h"

#include "app/DocumentArea.h"
#include "app/DocumentRecovery.h"
#include "app/HelpCommands.h"
#include "app/MainFrame.h"
#include "app/PictureButton.h"
#include "app/StatusLine.h"
#include "app/TagBoxes.h"
#include "app/Toolbar.h"
#include "app/WindowMarks.h"
#include "app/WindowMenu.h"
#include "document/EditOperations.h"
#include "document/FoldCommands.h"
#include "document/PreferenceCommands.h"
#include "document/StructureTyping.h"
#include "editor/EditorBox.h"
#include "state/ProgramState.h"
#include "templates/Templates.h"
#include "ui/BusyCursor.h"
#include "ui/DialogService.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

Program::Program(ProgramState& state, DialogService& dialogs, RecoveryJournal* journal)
    : m_state(state),
      m_dialogs(dialogs),
      m_frame(std::make_unique<MainFrame>(state, m_commands)),
      m_documents(new DocumentArea(*m_frame->mdiArea(), state, dialogs, m_commands, m_frame.get())),
      m_diskChanges(m_diskWatch, dialogs, m_frame.get()),
      m_files(
          state, dialogs, m_frame.get(),
          [this](const QString& caption) { return m_documents->createForFile(caption); },
          m_diskChanges),
      m_search(state.search(), dialogs, m_frame.get(), [this] { return m_documents->active(); }),
      m_appearance(state.preferences(), [this] { return m_documents->openWindows(); }),
      m_builders(*m_documents, dialogs, m_frame.get()),
      m_pageTools(dialogs, m_frame.get(),
                  [this](QWidget* panel) { m_frame->showUnderDocuments(panel); }),
      m_livePreview(
          state.preferences(), dialogs, m_frame.get(), [this] { return m_documents->active(); },
          [this](QDockWidget* dock, const DockPlace& place) { showBesideDocuments(dock, place); }),
      m_templates(
          state, m_files.dialog(), dialogs, m_frame.get(),
          [this]() -> std::optional<int> {
              const DocumentWindow* active = m_documents->active();
              return active ? std::optional<int>(active->slot()) : std::nullopt;
          },
          [this](const QString& text) { m_frame->statusLine()->templateFile()->setText(text); }),
      m_userMenuFile(state, m_files, dialogs, m_frame.get(),
                     [this](const QString& text) { m_frame->setStatusMessage(text); }),
      m_recording(m_userMenuFile, dialogs, m_frame.get(),
                  [this](const QString& text) {
                      // A recording ends with its document, also while the frame is torn down.
                      if (m_frame)
                          m_frame->setStatusMessage(text);
                  }),
      m_help(std::make_unique<HelpCommands>(state, m_files, m_frame.get())),
      m_marks(std::make_unique<WindowMarks>(*m_documents, *m_frame->mdiArea(), state,
                                            *m_frame->statusLine()->modified())) {
    if (journal)
        m_recovery =
            new DocumentRecovery(*m_documents, state.documents(), *journal, dialogs, m_frame.get());
    connectParts();
    watchDisk();
    bindCommands();
}

Program::~Program() {
    // The marks stop following the area before it reports its last activations on the way out.
    m_marks.reset();
    // The area reports a last activation while it is torn down.
    m_frame->mdiArea()->disconnect(&m_livePreview);
    // The windows go first, while everything they call on is still there.
    m_frame.reset();
}

void Program::connectParts() {
    MainFrame* frame = m_frame.get();
    DocumentArea* documents = m_documents;
    m_documents->setClosePrompt([this](DocumentWindow& doc) { return m_files.confirmClose(doc); });
    m_documents->setRecentFileOpener([this](const QString& file) { m_files.openListedFile(file); });
    QObject::connect(documents, &DocumentArea::created, frame, [this](DocumentWindow& doc) {
        m_appearance.applyStored(doc);
        m_search.keepDialogInFront(doc);
        WindowMenu::attach(*doc.menu("window_menu"), *m_documents, *m_frame->mdiArea());
    });
    QObject::connect(documents, &DocumentArea::documentsOpen, frame, &MainFrame::showDocumentTools);
    QObject::connect(documents, &DocumentArea::statusMessage, frame, &MainFrame::setStatusMessage);
    QObject::connect(documents, &DocumentArea::caretMoved, frame, &MainFrame::showCaretPlace);
    QObject::connect(documents, &DocumentArea::templateRefused, frame, [frame] {
        // New may have been pressed on the toolbar: the message took the button's release.
        if (frame->toolbarShown())
            frame->toolbar()->button(ToolbarButton::New)->showReleased();
    });
    QObject::connect(frame, &MainFrame::recentFileChosen, frame,
                     [this](const QString& file) { m_files.openListedFile(file); });
    QObject::connect(frame, &MainFrame::leaving, frame, [this] { m_userMenuFile.backUp(); });
    m_frame->setDocumentCloser([documents] { return documents->closeAll(); });
    m_frame->setToolbarMaker([this] {
        auto* toolbar = new Toolbar(*m_documents, m_builders);
        QObject::connect(toolbar, &Toolbar::buttonChosen, m_documents,
                         &DocumentArea::runToolbarButton);
        toolbar->tagBoxes().fill();
        return toolbar;
    });
    if (m_recovery) {
        QObject::connect(frame, &MainFrame::closingDown, m_recovery, &DocumentRecovery::finish);
        StatusLine* status = frame->statusLine();
        QObject::connect(m_recovery, &DocumentRecovery::troubleChanged, status,
                         &StatusLine::showRecoveryTrouble);
        status->showRecoveryTrouble(m_recovery->currentTrouble());
    }
    connectLivePreview();
}

void Program::connectLivePreview() {
    QObject::connect(m_frame->mdiArea(), &QMdiArea::subWindowActivated, &m_livePreview,
                     &LivePreviewSwitch::followActive);
    QObject::connect(m_frame.get(), &MainFrame::leaving, &m_livePreview,
                     &LivePreviewSwitch::rememberPlace);
    // The dock closed by the user unchecks the command in every window.
    QObject::connect(&m_livePreview, &LivePreviewSwitch::openChanged, m_documents, [this] {
        for (DocumentWindow* doc : m_documents->openWindows())
            doc->refreshMenus();
    });
}

void Program::showBesideDocuments(QDockWidget* dock, const DockPlace& place) {
    place.applyTo(*m_frame, *dock);
    // The document windows' room shrank: the one in front is fitted to it once it is laid out.
    QTimer::singleShot(0, m_documents, [this] {
        if (DocumentWindow* doc = m_documents->active())
            m_documents->fitToClientArea(*doc);
    });
}

void Program::watchDisk() {
    MainFrame* frame = m_frame.get();
    m_diskChanges.setStatusNote([frame](const QString& text) { frame->setStatusMessage(text); });
    // File systems that report no changes (network shares, some containers) are looked at when
    // the user comes back to a window.
    QObject::connect(frame->mdiArea(), &QMdiArea::subWindowActivated, frame,
                     [this] { m_diskWatch.checkSoon(m_documents->active()); });
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, frame,
                     [this](Qt::ApplicationState state) {
                         if (state == Qt::ApplicationActive)
                             m_diskWatch.checkAllSoon();
                     });
    if (m_recovery)
        QObject::connect(m_recovery, &DocumentRecovery::restored, frame,
                         [this](DocumentWindow& doc) {
                             if (!doc.isUntitled())
                                 m_diskChanges.knownAsFound(doc, doc.caption());
                         });
}

void Program::bindCommands() {
    QWidget* frame = m_frame.get();
    m_documents->bindCommands(m_commands);
    m_files.bindCommands(m_commands);
    EditOperations::bindCommands(m_commands, *m_documents, m_dialogs, frame);
    StructureTyping::bindCommands(m_commands, *m_documents);
    m_search.bindCommands(m_commands,
                          [this](const QString& text) { m_frame->setStatusMessage(text); });
    m_appearance.bindCommands(
        m_commands, [this](const QString& text) { m_frame->statusLine()->font()->setText(text); });
    PreferenceCommands::bindCommands(m_commands, m_state, m_dialogs, frame);
    m_builders.bindCommands(m_commands);
    m_templates.bindCommands(m_commands);
    m_userMenuFile.bindCommands(m_commands);
    m_recording.bindCommands(m_commands);
    m_pageTools.bindCommands(m_commands);
    m_livePreview.bindCommands(m_commands);
    WindowMenu::bindCommands(m_commands, *m_frame->mdiArea(), m_state);
    m_help->bindCommands(m_commands);
    FoldCommands::bindCommands(m_commands,
                               [this](const QString& text) { m_frame->setStatusMessage(text); });
    m_frame->bindCommands(m_commands);
    m_frame->refreshMenus();
}

void Program::startUp(const QString& commandLine) {
    MainFrame& frame = *m_frame;
    frame.showAtStoredPlace();
    if (m_state.preferences().tabbedWindows())
        WindowMenu::showTabbed(*frame.mdiArea(), m_state, true);
    // After the rest of start-up, with the frame drawn: nothing to offer costs one folder listing.
    if (m_recovery)
        QMetaObject::invokeMethod(m_recovery, &DocumentRecovery::offerUnsavedDocuments,
                                  Qt::QueuedConnection);
    // A pane left open comes back once the frame is up, the browser engine loaded only then.
    if (m_state.preferences().livePreview())
        QMetaObject::invokeMethod(&m_livePreview, &LivePreviewSwitch::restore,
                                  Qt::QueuedConnection);
    m_state.documents().startWith();
    DocumentWindow* first = m_documents->create(1, QStringLiteral("Untitled"));
    first->setChanged(false);
    m_state.recentFiles().rebuild();
    m_state.search().direction = 1;
    m_state.markTemplateAtStartUp();
    const Preferences& prefs = m_state.preferences();
    if (prefs.toolbarShown())
        m_commands.run(Command::OptionsToolbar, nullptr);
    // The boxes are filled when the toolbar that holds them is made.
    m_documents->fitToClientArea(*first);
    if (prefs.font())
        frame.statusLine()->font()->setText(prefs.fontStatusText());
    if (commandLine.isEmpty() && m_documents->applyTemplate(*first))
        frame.statusLine()->templateFile()->setText(
            Templates::statusText(prefs.templateOptions().file));
    if (!commandLine.isEmpty() && !openCommandLineFile(commandLine))
        return;
    frame.setWindowTitle(QStringLiteral("Pagelark"));
    if (m_state.closesStartWindow()) {
        if (DocumentWindow* doc = m_documents->active())
            doc->closeDocument();
    }
}

bool Program::openCommandLineFile(const QString& name) {
    QFile file(name);
    if (!QFileInfo(name).isFile() || !file.open(QIODevice::ReadOnly)) {
        m_dialogs.showNote(m_frame.get(), QStringLiteral("Can't open : ") + name);
        return false;
    }
    // Any size the editor can hold, as Open takes with Open Large Files on.
    if (file.size() > DocumentFiles::kLargeOpenLimit) {
        m_dialogs.showNote(m_frame.get(), QStringLiteral("The file is too large to open."));
        return false;
    }
    BusyCursor busy;
    const FileStamp stamp = FileStamp::of(name);
    const QByteArray bytes = file.readAll();
    DocumentWindow* doc = m_documents->active();
    doc->loadBytes(bytes);
    doc->setCaption(name);
    doc->setChanged(false);
    m_diskChanges.known(*doc, name, stamp, bytes);
    return true;
}
