#include "document/CommandHandlers.h"

#include "commands/CommandMenus.h"
#include "commands/CommandTable.h"

#include <QAction>

void CommandHandlers::bind(Command id, Handler handler, Rule checked, Rule enabled) {
    Binding& binding = m_bindings[static_cast<int>(id)];
    binding.handler = std::move(handler);
    binding.checked = std::move(checked);
    binding.enabled = std::move(enabled);
    ++binding.count;
}

void CommandHandlers::bindForDocument(Command id, std::function<void(DocumentWindow&)> handler,
                                      Rule checked, Rule enabled) {
    bind(
        id,
        [handler = std::move(handler)](DocumentWindow* doc) {
            if (doc)
                handler(*doc);
        },
        std::move(checked), std::move(enabled));
}

void CommandHandlers::run(Command id, DocumentWindow* doc) const {
    if (const Handler& handler = m_bindings[static_cast<int>(id)].handler)
        handler(doc);
}

void CommandHandlers::refresh(const CommandMenus& menus, const CommandStatus& status) const {
    for (int i = 0; i < kCommandCount; ++i) {
        QAction* action = menus.action(static_cast<Command>(i));
        if (!action)
            continue;
        const Binding& binding = m_bindings[i];
        action->setEnabled(!binding.enabled || binding.enabled(status));
        if (action->isCheckable())
            action->setChecked(binding.checked && binding.checked(status));
    }
}

QStringList CommandHandlers::faults() const {
    QStringList faults;
    for (int i = 0; i < kCommandCount; ++i) {
        const CommandRow& row = commandRow(static_cast<Command>(i));
        const Binding& binding = m_bindings[i];
        const QString name = QString::fromLatin1(row.name);
        if (binding.count == 0)
            faults.append(name + QStringLiteral(" has no handler"));
        else if (binding.count > 1)
            faults.append(name + QStringLiteral(" is bound %1 times").arg(binding.count));
        else if (row.checkable && !binding.checked)
            faults.append(name + QStringLiteral(" has no rule for its check mark"));
    }
    return faults;
}
