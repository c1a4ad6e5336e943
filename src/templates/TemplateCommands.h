#pragma once

#include <QPointer>
#include <functional>
#include <optional>

class CommandHandlers;
class CommonDialog;
class DialogService;
class ProgramState;
class QString;
class QWidget;
class TemplateOptionsDialog;

// Options > Template: the one Template Options dialog, and what its choice changes: the Template
// marks and the template's name in the status line.
class TemplateCommands {
public:
    // The slot of the active document, if one is open.
    using ActiveSlot = std::function<std::optional<int>()>;
    // Shows the template's status text.
    using TemplateNote = std::function<void(const QString& text)>;

    TemplateCommands(ProgramState& state, CommonDialog& fileDialog, DialogService& dialogs,
                     QWidget* dialogParent, ActiveSlot activeSlot, TemplateNote showTemplate);

    void bindCommands(CommandHandlers& commands);
    // Opens the dialog, or brings the open one forward.
    void showOptions();

private:
    void chosen(bool marked, const QString& file);

    ProgramState& m_state;
    CommonDialog& m_fileDialog;
    DialogService& m_dialogs;
    QWidget* m_dialogParent;
    ActiveSlot m_activeSlot;
    TemplateNote m_showTemplate;
    QPointer<TemplateOptionsDialog> m_dialog;
};
