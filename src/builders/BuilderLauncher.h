#pragma once

#include "builders/BuilderRegistry.h"

#include <QPointer>
#include <array>

class CommandHandlers;
class DialogService;
class InsertionTarget;
class QDialog;
class QWidget;

// Opens the tag builders, not modal, keeping at most one of each kind: a builder that is open is
// brought forward instead of being made a second time. Builders of different kinds may be open
// together.
class BuilderLauncher {
public:
    BuilderLauncher(InsertionTarget& target, DialogService& dialogs, QWidget* parent);

    // Binds Insert > Quick Page.
    void bindCommands(CommandHandlers& commands);

    // Shows the builder of that kind and returns it.
    QDialog* open(BuilderKind kind);
    // The builder of that kind while it is open, else nullptr.
    QDialog* openBuilder(BuilderKind kind) const;

private:
    static constexpr int kKinds = static_cast<int>(BuilderKind::TableData) + 1;

    InsertionTarget& m_target;
    DialogService& m_dialogs;
    QWidget* m_parent;
    std::array<QPointer<QDialog>, kKinds> m_open;
};
