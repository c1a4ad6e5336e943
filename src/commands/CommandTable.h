#pragma once

#include "commands/Command.h"

#include <span>

// One row per command, shared by every window whose menus hold it: the entry's object name, its
// caption with its access key, its shortcuts ("Ctrl+W; Ctrl+F4": the menu shows the first) and
// whether it carries a check mark.
struct CommandRow {
    Command id;
    const char* name;
    const char* caption;
    const char* shortcuts = "";
    bool checkable = false;
};

const CommandRow& commandRow(Command id);

// One item of a menu layout: a command, a named separator, or a submenu.
struct MenuLayout;
struct MenuItem {
    constexpr MenuItem(Command entry) : command(entry) {}
    constexpr MenuItem(const char* separatorName) : separator(separatorName) {}
    constexpr MenuItem(const MenuLayout& sub) : submenu(&sub) {}

    Command command = Command::FileNew;
    const char* separator = nullptr;
    const MenuLayout* submenu = nullptr;
};

struct MenuLayout {
    const char* name;
    const char* caption;
    std::span<const MenuItem> items;
};

// The menus of the frame while no document is open, and of every document window.
std::span<const MenuLayout> frameMenuLayout();
std::span<const MenuLayout> documentMenuLayout();
