#pragma once

#include "commands/Command.h"
#include "document/CommandStatus.h"

#include <QStringList>
#include <array>
#include <functional>

class CommandMenus;
class DocumentWindow;

// What each command of the command table does, bound by the part of the program that does it.
// A handler gets the document window whose menu was chosen, or nullptr for the frame's menus.
// Rules over one CommandStatus decide an entry's check mark and whether it can be chosen.
class CommandHandlers {
public:
    using Handler = std::function<void(DocumentWindow* doc)>;
    // A rule may also read the state of the part that binds it, as it stands when the menus are
    // refreshed (a menu opening, a command run).
    using Rule = std::function<bool(const CommandStatus& status)>;

    // Binds `id` to `handler`; `checked` gives a checkable entry its mark, `enabled` (none:
    // always) says when the entry can be chosen.
    void bind(Command id, Handler handler, Rule checked = nullptr, Rule enabled = nullptr);
    // A handler that only makes sense with a document: it does nothing in the frame's menus.
    void bindForDocument(Command id, std::function<void(DocumentWindow& doc)> handler,
                         Rule checked = nullptr, Rule enabled = nullptr);

    void run(Command id, DocumentWindow* doc) const;
    // Sets the enabled state and check mark of every entry that `menus` holds.
    void refresh(const CommandMenus& menus, const CommandStatus& status) const;

    // How many times `id` was bound: 1 for every command of a sound program.
    int bindingCount(Command id) const { return m_bindings[static_cast<int>(id)].count; }
    // What is wrong with the bindings, one line each: a command bound never or more than once,
    // a checkable one without a rule for its mark. Empty when every command is bound once.
    QStringList faults() const;

private:
    struct Binding {
        Handler handler;
        Rule checked = nullptr;
        Rule enabled = nullptr;
        int count = 0;
    };
    std::array<Binding, kCommandCount> m_bindings;
};
