#pragma once

#include "commands/CommandTable.h"

#include <QList>
#include <QObject>
#include <array>
#include <span>

class QAction;
class QMenu;
class QWidget;

// What decides the check marks of one window's switches, and which entries can be chosen, when
// its menus are refreshed.
struct CommandStatus {
    bool useTemplate = false;
    bool toolbarShown = false;
    bool cancelNewForm = false;
    bool preferencesCleared = false;
    bool wrapsText = false;
    bool syntaxColouring = false;
    bool lineNumbers = false;
    bool openLargeFiles = false;
    bool canUndo = false;
    bool canRedo = false;
    bool tabbedWindows = false;

    bool isChecked(Command id) const;
    bool isEnabled(Command id) const;
};

// The menus and entries of one window (the frame or a document window), made from a layout of
// the command table. Each window has its own entries and marks; choosing one reports its command.
class CommandSet : public QObject {
    Q_OBJECT
public:
    CommandSet(std::span<const MenuLayout> layout, QWidget* owner);

    const QList<QMenu*>& menus() const { return m_menus; }
    // The entry of a command, or nullptr when this window's menus do not hold it.
    QAction* action(Command id) const { return m_actions[static_cast<int>(id)]; }
    QMenu* menu(const char* name) const;

    // Sets every entry's enabled state and check mark from `status`.
    void refresh(const CommandStatus& status);

signals:
    void triggered(Command id);

private:
    QMenu* addMenu(const MenuLayout& layout, QMenu* parentMenu);
    QAction* addEntry(QMenu* menu, Command id);

    QWidget* m_owner;
    QList<QMenu*> m_menus;
    std::array<QAction*, kCommandCount> m_actions{};
};
