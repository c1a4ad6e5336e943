#pragma once

#include "commands/CommandTable.h"

#include <QList>
#include <QObject>
#include <array>
#include <span>

class QAction;
class QMenu;
class QWidget;

// The menus and entries of one window (the frame or a document window), made from a layout of
// the command table. Each window has its own entries and marks; choosing one reports its command.
class CommandMenus : public QObject {
    Q_OBJECT
public:
    CommandMenus(std::span<const MenuLayout> layout, QWidget* owner);

    const QList<QMenu*>& menus() const { return m_menus; }
    // The entry of a command, or nullptr when this window's menus do not hold it.
    QAction* action(Command id) const { return m_actions[static_cast<int>(id)]; }
    QMenu* menu(const char* name) const;

signals:
    void triggered(Command id);

private:
    QMenu* addMenu(const MenuLayout& layout, QMenu* parentMenu);
    QAction* addEntry(QMenu* menu, Command id);

    QWidget* m_owner;
    QList<QMenu*> m_menus;
    std::array<QAction*, kCommandCount> m_actions{};
};
