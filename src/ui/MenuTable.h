#pragma once

#include <QString>

class QAction;
class QMenu;
class QWidget;

// One row of a menu table: the entry's object name, its caption ("-" for a separator), an
// optional shortcut and whether it carries a check mark.
struct MenuEntry {
    const char* name;
    const char* caption;
    const char* shortcut = "";
    bool checkable = false;
};

namespace MenuTable {

// Adds a top-level or sub menu named `name`, owned by `owner`.
QMenu* addMenu(QWidget* owner, QMenu* parentMenu, const char* name, const char* caption);
// Adds one entry; separators come back as actions too, so tables can name them.
QAction* addEntry(QMenu* menu, const MenuEntry& entry);
template <size_t N>
void addEntries(QMenu* menu, const MenuEntry (&entries)[N]) {
    for (const MenuEntry& entry : entries)
        addEntry(menu, entry);
}

}  // namespace MenuTable
