#include "files/RecordingCommands.h"

#include "document/CommandHandlers.h"
#include "document/DocumentWindow.h"
#include "document/KeystrokeRecorder.h"
#include "editor/EditorBox.h"
#include "files/UserMenuFileCommands.h"
#include "ui/DialogService.h"

RecordingCommands::RecordingCommands(UserMenuFileCommands& userMenus, DialogService& dialogs,
                                     QWidget* dialogParent, StatusNote showNote)
    : m_userMenus(userMenus),
      m_dialogs(dialogs),
      m_dialogParent(dialogParent),
      m_showNote(std::move(showNote)) {}

RecordingCommands::~RecordingCommands() = default;

void RecordingCommands::bindCommands(CommandHandlers& commands) {
    commands.bindForDocument(
        Command::ToolsRecordKeystrokes, [this](DocumentWindow& doc) { start(doc); }, nullptr,
        [this](const CommandStatus&) { return !isRecording(); });
    commands.bind(
        Command::ToolsStopRecording, [this](DocumentWindow*) { stop(); }, nullptr,
        [this](const CommandStatus&) { return isRecording(); });
}

void RecordingCommands::start(DocumentWindow& doc) {
    if (isRecording())
        return;
    m_recorder = std::make_unique<KeystrokeRecorder>(*doc.editor());
    QObject::connect(m_recorder.get(), &KeystrokeRecorder::halted, m_recorder.get(),
                     [this](const QString& reason) {
                         m_showNote(QStringLiteral("Recording stopped: ") + reason +
                                    QStringLiteral(". Stop Recording saves the keys before it."));
                     });
    m_showNote(
        QStringLiteral("Recording keystrokes: Tools > Stop Recording saves them in a "
                       "user menu."));
    doc.editor()->setFocus();
}

void RecordingCommands::stop() {
    if (!isRecording())
        return;
    const QString script = m_recorder->script();
    if (script.isEmpty()) {
        m_recorder.reset();
        m_showNote(QStringLiteral("Nothing was recorded."));
        return;
    }
    const std::optional<int> menu = m_dialogs.askUserMenu(m_dialogParent, script);
    if (!menu) {
        m_recorder.reset();
        m_showNote(QStringLiteral("The recorded keystrokes were discarded."));
        return;
    }
    // A full menu or a file that cannot be written keeps the recording for another try.
    const UserMenuFileCommands::AddedEntry added = m_userMenus.addEntry(*menu, script);
    if (!added.added)
        return;
    m_recorder.reset();
    m_showNote(QStringLiteral("The recorded keystrokes are entry %1 of User Defined %2.")
                   .arg(added.entry)
                   .arg(*menu));
}
