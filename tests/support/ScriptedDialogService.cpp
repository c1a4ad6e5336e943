#include "support/ScriptedDialogService.h"

QStringList ScriptedDialogService::messageTexts() const {
    QStringList texts;
    for (const Shown& shown : m_shown) {
        if (shown.kind == Kind::Message)
            texts.append(shown.message.text);
    }
    return texts;
}

QList<DiskChangeQuestion> ScriptedDialogService::diskQuestions() const {
    QList<DiskChangeQuestion> questions;
    for (const Shown& shown : m_shown) {
        if (shown.kind == Kind::DiskChange)
            questions.append(shown.diskChange.question);
    }
    return questions;
}

void ScriptedDialogService::clear() {
    m_shown.clear();
    m_messageAnswers.clear();
    m_fileAnswers.clear();
    m_colorAnswers.clear();
    m_fontAnswers.clear();
    m_tagAnswers.clear();
    m_recoveryAnswers.clear();
    m_placeAnswers.clear();
    m_tableAnswers.clear();
    m_diskAnswers.clear();
    m_menuAnswers.clear();
}

MessageAnswer ScriptedDialogService::showMessage(QWidget* parent, const MessageRequest& request) {
    m_shown.append({Kind::Message, request, {}, {}, {}, {}});
    m_lastMessageParent = parent;
    if (!m_messageAnswers.isEmpty())
        return m_messageAnswers.dequeue();
    return request.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

std::optional<FileDialogResult> ScriptedDialogService::nextFile(Kind kind,
                                                                const FileDialogRequest& request) {
    m_shown.append({kind, {}, request, {}, {}, {}});
    return m_fileAnswers.isEmpty() ? std::nullopt : m_fileAnswers.dequeue();
}

std::optional<FileDialogResult> ScriptedDialogService::showOpen(QWidget*,
                                                                const FileDialogRequest& request) {
    return nextFile(Kind::Open, request);
}

std::optional<FileDialogResult> ScriptedDialogService::showSave(QWidget*,
                                                                const FileDialogRequest& request) {
    return nextFile(Kind::Save, request);
}

std::optional<QColor> ScriptedDialogService::showColor(QWidget*, const QColor& initial) {
    m_shown.append({Kind::Color, {}, {}, initial, {}, {}});
    return m_colorAnswers.isEmpty() ? std::nullopt : m_colorAnswers.dequeue();
}

std::optional<FontChoice> ScriptedDialogService::showFont(QWidget*, const FontChoice& initial) {
    m_shown.append({Kind::Font, {}, {}, {}, initial, {}});
    return m_fontAnswers.isEmpty() ? std::nullopt : m_fontAnswers.dequeue();
}

std::optional<QString> ScriptedDialogService::askTag(QWidget*) {
    m_shown.append({Kind::Tag, {}, {}, {}, {}, {}});
    return m_tagAnswers.isEmpty() ? std::nullopt : m_tagAnswers.dequeue();
}

RecoveryChoice ScriptedDialogService::showRecovery(QWidget*, const RecoveryRequest& request) {
    m_shown.append({Kind::Recovery, {}, {}, {}, {}, request});
    return m_recoveryAnswers.isEmpty() ? RecoveryChoice{} : m_recoveryAnswers.dequeue();
}

std::optional<LineColumn> ScriptedDialogService::showGoToLine(QWidget*, int lineCount) {
    m_shown.append({Kind::GoToLine, {}, {}, {}, {}, {}, lineCount});
    return m_placeAnswers.isEmpty() ? std::nullopt : m_placeAnswers.dequeue();
}

std::optional<TableShape> ScriptedDialogService::askTable(QWidget*) {
    m_shown.append({Kind::Table, {}, {}, {}, {}, {}});
    return m_tableAnswers.isEmpty() ? std::nullopt : m_tableAnswers.dequeue();
}

DiskChangeAnswer ScriptedDialogService::askDiskChange(QWidget*, const DiskChangeRequest& request) {
    m_shown.append({Kind::DiskChange, {}, {}, {}, {}, {}, 0, request});
    if (!m_diskAnswers.isEmpty())
        return m_diskAnswers.dequeue();
    return request.question == DiskChangeQuestion::ReloadOrKeep ? DiskChangeAnswer::KeepText
                                                                : DiskChangeAnswer::Cancel;
}

std::optional<int> ScriptedDialogService::askUserMenu(QWidget*, const QString& script) {
    m_shown.append({Kind::UserMenu, {}, {}, {}, {}, {}, 0, {}, script});
    return m_menuAnswers.isEmpty() ? std::nullopt : m_menuAnswers.dequeue();
}
