#pragma once

#include <QString>

class DocumentWindow;
class InsertionTarget;
class MainFrame;
class QAction;
class QFontMetrics;
class QMenu;
class QWidget;

// The four user-defined submenus at the end of every document window's Insert menu, filled from
// userdef.dat in the program folder.
//
// Names: the submenus are "usrdef1" to "usrdef4" (the QMenu and its menu action alike); entry k
// of submenu m is the action "ud<m>_<k>", for example "ud2_10". An entry's line is at once what
// it shows and the script it types: the action's data holds the line, its caption shows the line
// as written (shortened when it is long).
class UserMenus {
public:
    static QString fileName() { return QStringLiteral("userdef.dat"); }
    static QString entryName(int menu, int entry);

    // Adds the four submenus, all hidden and empty, to a window's Insert menu. An entry types its
    // line into the active document.
    static void addTo(QMenu* insertMenu, QWidget* owner, InsertionTarget& target);

    // LoadUserMenus: clears the submenus of every open window, then reads userdef.dat and shows
    // each defined entry, and the submenu holding it, in every window. A file that cannot be
    // opened is reported once and leaves every submenu hidden.
    static void load(MainFrame& frame);

    // Edit Userdef.dat File: opens the file as an ordinary document, outside the recent list.
    static void editFile(MainFrame& frame);

    // How an entry shows `line`: every '&' as itself, a long line cut short with an ellipsis.
    static QString caption(const QString& line, const QFontMetrics& metrics);

private:
    static void clear(DocumentWindow& doc);
    static void show(DocumentWindow& doc, int menu, int entry, const QString& line);
};
