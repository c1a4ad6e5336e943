#pragma once

#include <QStringView>
#include <span>

// The seven fixed tag submenus of the Insert menu, as data. One loop builds the menus from it.

enum class TagEntryKind {
    Tag,        // types its script
    Separator,  // a separator line; caption "-", no script
    Palette,    // asks for a colour and types it as RRGGBB; no fixed script
};

struct TagMenuEntry {
    const char* name;     // the action's object name
    const char* caption;  // as the menu shows it; '&' marks an access key
    const char* script;   // keystroke script; empty for separators and the palette
    TagEntryKind kind;
};

struct TagMenu {
    const char* name;  // the submenu's object name
    const char* caption;
    std::span<const TagMenuEntry> entries;
};

// The submenus in menu order, each with its entries in menu order.
std::span<const TagMenu> tagMenuTable();

// The entry with the given object name in any submenu, or nullptr.
const TagMenuEntry* findTagMenuEntry(QStringView name);
