#pragma once

#include <QString>
#include <functional>
#include <memory>

class CommandHandlers;
class DialogService;
class DocumentWindow;
class KeystrokeRecorder;
class QWidget;
class UserMenuFileCommands;

// Tools > Record Keystrokes and Stop Recording: what the user types into the active document
// becomes a new entry of a user menu of their choice, typing the same again when chosen.
class RecordingCommands {
public:
    using StatusNote = std::function<void(const QString& text)>;

    RecordingCommands(UserMenuFileCommands& userMenus, DialogService& dialogs,
                      QWidget* dialogParent, StatusNote showNote);
    ~RecordingCommands();

    // Record Keystrokes can be chosen while nothing is being recorded, Stop Recording only while
    // something is (including a recording that stopped taking keys and waits to be saved).
    void bindCommands(CommandHandlers& commands);
    bool isRecording() const { return m_recorder != nullptr; }

private:
    void start(DocumentWindow& doc);
    void stop();

    UserMenuFileCommands& m_userMenus;
    DialogService& m_dialogs;
    QWidget* m_dialogParent;
    StatusNote m_showNote;
    std::unique_ptr<KeystrokeRecorder> m_recorder;
};
