#pragma once

#include "ui/DialogService.h"

#include <QList>
#include <QPointer>
#include <QQueue>
#include <QWidget>

// The dialog seam for tests and benchmarks: answers come from queues filled in advance, and
// every dialog shown is recorded. With its queue empty, a message box answers OK when OK is its
// only button and Cancel otherwise; a file, colour, font, tag, go-to-line or table dialog is
// cancelled; the recovery offer is closed (Later); a question about a file changed on disk keeps
// the text, or cancels the save; the user-menu question is cancelled.
class ScriptedDialogService : public DialogService {
public:
    enum class Kind {
        Message,
        Open,
        Save,
        Color,
        Font,
        Tag,
        Recovery,
        GoToLine,
        Table,
        DiskChange,
        UserMenu
    };
    struct Shown {
        Kind kind;
        MessageRequest message;
        FileDialogRequest file;
        QColor color;
        FontChoice font;
        RecoveryRequest recovery;
        int lineCount = 0;
        DiskChangeRequest diskChange = {};
        QString script = {};  // for UserMenu
    };

    void answerMessage(MessageAnswer answer) { m_messageAnswers.enqueue(answer); }
    void answerFile(std::optional<FileDialogResult> result) { m_fileAnswers.enqueue(result); }
    void answerColor(std::optional<QColor> color) { m_colorAnswers.enqueue(color); }
    void answerFont(std::optional<FontChoice> font) { m_fontAnswers.enqueue(font); }
    void answerTag(std::optional<QString> tag) { m_tagAnswers.enqueue(tag); }
    void answerRecovery(RecoveryAnswer answer) { m_recoveryAnswers.enqueue({answer}); }
    void answerRecovery(const RecoveryChoice& choice) { m_recoveryAnswers.enqueue(choice); }
    void answerGoToLine(std::optional<LineColumn> place) { m_placeAnswers.enqueue(place); }
    void answerTable(std::optional<TableShape> shape) { m_tableAnswers.enqueue(shape); }
    void answerDiskChange(DiskChangeAnswer answer) { m_diskAnswers.enqueue(answer); }
    void answerUserMenu(std::optional<int> menu) { m_menuAnswers.enqueue(menu); }

    const QList<Shown>& shown() const { return m_shown; }
    // The window the last message box was shown over.
    QWidget* lastMessageParent() const { return m_lastMessageParent; }
    // The texts of the message boxes shown so far.
    QStringList messageTexts() const;
    // The questions about files changed on disk asked so far.
    QList<DiskChangeQuestion> diskQuestions() const;
    void clear();

    MessageAnswer showMessage(QWidget* parent, const MessageRequest& request) override;
    std::optional<FileDialogResult> showOpen(QWidget* parent,
                                             const FileDialogRequest& request) override;
    std::optional<FileDialogResult> showSave(QWidget* parent,
                                             const FileDialogRequest& request) override;
    std::optional<QColor> showColor(QWidget* parent, const QColor& initial) override;
    std::optional<FontChoice> showFont(QWidget* parent, const FontChoice& initial) override;
    std::optional<QString> askTag(QWidget* parent) override;
    RecoveryChoice showRecovery(QWidget* parent, const RecoveryRequest& request) override;
    std::optional<LineColumn> showGoToLine(QWidget* parent, int lineCount) override;
    std::optional<TableShape> askTable(QWidget* parent) override;
    DiskChangeAnswer askDiskChange(QWidget* parent, const DiskChangeRequest& request) override;
    std::optional<int> askUserMenu(QWidget* parent, const QString& script) override;

private:
    std::optional<FileDialogResult> nextFile(Kind kind, const FileDialogRequest& request);

    QList<Shown> m_shown;
    QPointer<QWidget> m_lastMessageParent;
    QQueue<MessageAnswer> m_messageAnswers;
    QQueue<std::optional<FileDialogResult>> m_fileAnswers;
    QQueue<std::optional<QColor>> m_colorAnswers;
    QQueue<std::optional<FontChoice>> m_fontAnswers;
    QQueue<std::optional<QString>> m_tagAnswers;
    QQueue<RecoveryChoice> m_recoveryAnswers;
    QQueue<std::optional<LineColumn>> m_placeAnswers;
    QQueue<std::optional<TableShape>> m_tableAnswers;
    QQueue<DiskChangeAnswer> m_diskAnswers;
    QQueue<std::optional<int>> m_menuAnswers;
};
