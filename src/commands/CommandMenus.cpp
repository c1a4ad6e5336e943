#include "commands/CommandMenus.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

CommandMenus::CommandMenus(std::span<const MenuLayout> layout, QWidget* owner)
    : QObject(owner), m_owner(owner) {
    for (const MenuLayout& menu : layout)
        m_menus.append(addMenu(menu, nullptr));
}

QMenu* CommandMenus::addMenu(const MenuLayout& layout, QMenu* parentMenu) {
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

QAction* CommandMenus::addEntry(QMenu* menu, Command id) {
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

QMenu* CommandMenus::menu(const char* name) const {
    return m_owner->findChild<QMenu*>(QString::fromLatin1(name));
}
