#include "commands/CommandSet.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

bool CommandStatus::isChecked(Command id) const {
    switch (id) {
        case Command::OptionsTemplate:
            return useTemplate;
        case Command::OptionsToolbar:
            return toolbarShown;
        case Command::OptionsCancelNewForm:
            return cancelNewForm;
        case Command::OptionsClearPreferences:
            return preferencesCleared;
        case Command::EditWrapText:
            return wrapsText;
        case Command::ViewSyntaxColouring:
            return syntaxColouring;
        case Command::ViewLineNumbers:
            return lineNumbers;
        case Command::OptionsOpenLargeFiles:
            return openLargeFiles;
        case Command::WindowTabbed:
            return tabbedWindows;
        default:
            return false;
    }
}

bool CommandStatus::isEnabled(Command id) const {
    // Tabs show one window at a time, filling the area: there is nothing to arrange.
    switch (id) {
        case Command::WindowCascade:
        case Command::WindowTile:
        case Command::WindowArrangeIcons:
            return !tabbedWindows;
        case Command::EditUndo:
            return canUndo;
        case Command::EditRedo:
            return canRedo;
        default:
            return true;
    }
}

CommandSet::CommandSet(std::span<const MenuLayout> layout, QWidget* owner)
    : QObject(owner), m_owner(owner) {
    for (const MenuLayout& menu : layout)
        m_menus.append(addMenu(menu, nullptr));
}

QMenu* CommandSet::addMenu(const MenuLayout& layout, QMenu* parentMenu) {
    auto* menu = new QMenu(QString::fromUtf8(layout.caption), m_owner);
    menu->setObjectName(QString::fromLatin1(layout.name));
    menu->menuAction()->setObjectName(QString::fromLatin1(layout.name));
    if (parentMenu)
        parentMenu->addMenu(menu);
    for (const MenuItem& item : layout.items) {
        if (item.submenu)
            addMenu(*item.submenu, menu);
        else if (item.separator)
            menu->addSeparator()->setObjectName(QString::fromLatin1(item.separator));
        else
            addEntry(menu, item.command);
    }
    return menu;
}

QAction* CommandSet::addEntry(QMenu* menu, Command id) {
    const CommandRow& row = commandRow(id);
    QAction* action = menu->addAction(QString::fromUtf8(row.caption));
    action->setObjectName(QString::fromLatin1(row.name));
    action->setCheckable(row.checkable);
    if (*row.shortcuts)
        action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(row.shortcuts)));
    connect(action, &QAction::triggered, this, [this, id] { emit triggered(id); });
    m_actions[static_cast<int>(id)] = action;
    return action;
}

QMenu* CommandSet::menu(const char* name) const {
    return m_owner->findChild<QMenu*>(QString::fromLatin1(name));
}

void CommandSet::refresh(const CommandStatus& status) {
    for (int i = 0; i < kCommandCount; ++i) {
        QAction* action = m_actions[i];
        if (!action)
            continue;
        const auto id = static_cast<Command>(i);
        action->setEnabled(status.isEnabled(id));
        if (action->isCheckable())
            action->setChecked(status.isChecked(id));
    }
}
