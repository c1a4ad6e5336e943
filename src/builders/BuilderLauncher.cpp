#include "builders/BuilderLauncher.h"

#include "document/CommandHandlers.h"

#include <QDialog>

BuilderLauncher::BuilderLauncher(InsertionTarget& target, DialogService& dialogs, QWidget* parent)
    : m_target(target), m_dialogs(dialogs), m_parent(parent) {}

QDialog* BuilderLauncher::open(BuilderKind kind) {
    QPointer<QDialog>& builder = m_open[static_cast<int>(kind)];
    // A builder that was closed is deleted only once control returns to the event loop; until
    // then it is hidden, and a fresh one takes its place.
    if (!builder || builder->isHidden())
        builder = createBuilder(kind, m_target, m_dialogs, m_parent);
    builder->show();
    builder->raise();
    builder->activateWindow();
    return builder;
}

QDialog* BuilderLauncher::openBuilder(BuilderKind kind) const {
    QDialog* builder = m_open[static_cast<int>(kind)];
    return builder && !builder->isHidden() ? builder : nullptr;
}

void BuilderLauncher::bindCommands(CommandHandlers& commands) {
    commands.bind(Command::InsertQuickPage,
                  [this](DocumentWindow*) { open(BuilderKind::QuickPage); });
}
