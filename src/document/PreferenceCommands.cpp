#include "document/PreferenceCommands.h"

#include "document/CommandHandlers.h"
#include "document/DocumentWindow.h"
#include "state/ProgramState.h"
#include "ui/DialogService.h"

namespace {

std::optional<int> slotOf(const DocumentWindow* doc) {
    return doc ? std::optional<int>(doc->slot()) : std::nullopt;
}

bool consentsToClearing(DialogService& dialogs, QWidget* parent) {
    const MessageRequest question{
        QStringLiteral("Clear Pagelark Registry Settings.\nAre You sure?"),
        QStringLiteral("Pagelark"), MessageButtons::OkCancel, MessageIcon::None};
    return dialogs.showMessage(parent, question) == MessageAnswer::Ok;
}

struct SwitchRow {
    Command command;
    EditorSwitch which;
    CommandHandlers::Rule checked;
};

const SwitchRow kSwitches[] = {
    {Command::ViewSyntaxColouring, EditorSwitch::SyntaxColouring,
     [](const CommandStatus& status) { return status.switches.syntaxColouring; }},
    {Command::ViewLineNumbers, EditorSwitch::LineNumbers,
     [](const CommandStatus& status) { return status.switches.lineNumbers; }},
    {Command::OptionsOpenLargeFiles, EditorSwitch::OpenLargeFiles,
     [](const CommandStatus& status) { return status.switches.openLargeFiles; }},
    {Command::ViewTagCompletion, EditorSwitch::TagCompletion,
     [](const CommandStatus& status) { return status.switches.tagCompletion; }},
    {Command::ViewAutoCloseTags, EditorSwitch::AutoCloseTags,
     [](const CommandStatus& status) { return status.switches.autoCloseTags; }},
};

}  // namespace

void PreferenceCommands::bindCommands(CommandHandlers& commands, ProgramState& state,
                                      DialogService& dialogs, QWidget* dialogParent) {
    commands.bind(
        Command::OptionsStartWithoutDocument,
        [&state](DocumentWindow* doc) { state.toggleStartWithoutDocument(slotOf(doc)); },
        [](const CommandStatus& status) { return status.marks.startWithoutDocument; });
    commands.bind(
        Command::OptionsClearPreferences,
        [&state, &dialogs, dialogParent](DocumentWindow* doc) {
            if (state.clearingNeedsConsent(slotOf(doc)) &&
                consentsToClearing(dialogs, dialogParent))
                state.clearPreferences(slotOf(doc));
        },
        [](const CommandStatus& status) { return status.marks.preferencesCleared; });
    for (const SwitchRow& row : kSwitches) {
        commands.bind(
            row.command,
            [&state, which = row.which](DocumentWindow*) { state.flipEditorSwitch(which); },
            row.checked);
    }
}
