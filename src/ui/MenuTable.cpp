#include "ui/MenuTable.h"

#include <QAction>
#include <QMenu>

QMenu* MenuTable::addMenu(QWidget* owner, QMenu* parentMenu, const char* name,
                          const char* caption) {
    auto* menu = new QMenu(QString::fromUtf8(caption), owner);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    if (parentMenu)
        parentMenu->addMenu(menu);
    return menu;
}

QAction* MenuTable::addEntry(QMenu* menu, const MenuEntry& entry) {
    const QString caption = QString::fromUtf8(entry.caption);
    QAction* action =
        caption == QLatin1String("-") ? menu->addSeparator() : menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(entry.name));
    action->setCheckable(entry.checkable);
    if (*entry.shortcut)
        action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
    return action;
}
