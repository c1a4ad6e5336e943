#pragma once

#include <QString>

class DocumentWindow;
class InsertionTarget;
class MainFrame;
class QAction;
class QMenu;
class QWidget;

// The four user-defined submenus at the end of every document window's Insert menu, filled from
// userdef.dat in the program folder.
//
// Names: the submenus are "usrdef1" to "usrdef4" (the QMenu and its menu action alike); entry k
// of submenu m is the action "ud<m>_<k>", for example "ud2_10". An entry's caption is its
// definition, read with the menu's ampersand convention, and is also the script it types; the
// captions are the only copy of the definitions the program keeps.
class UserMenus {
public:
    static QString fileName() { return QStringLiteral("userdef.dat"); }
    static QString entryName(int menu, int entry);

    // Adds the four submenus, all hidden and empty, to a window's Insert menu. An entry types its
    // caption into the active document.
    static void addTo(QMenu* insertMenu, QWidget* owner, InsertionTarget& target);

    // LoadUserMenus: clears the submenus of every open window, then reads userdef.dat and shows
    // each defined entry, and the submenu holding it, in every window. A file that cannot be
    // opened is reported once and leaves every submenu hidden.
    static void load(MainFrame& frame);

    // Edit Userdef.dat File: opens the file as an ordinary document, outside the recent list.
    static void editFile(MainFrame& frame);

private:
    static void clear(DocumentWindow& doc);
    static void show(DocumentWindow& doc, int menu, int entry, const QString& line);
};
