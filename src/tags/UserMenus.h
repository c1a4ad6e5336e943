#pragma once

#include <QString>

class DialogService;
class InsertionTarget;
class ProgramState;
class QFontMetrics;
class QMenu;
class QWidget;
class UserMenuFile;

// The four user-defined submenus at the end of every document window's Insert menu, drawn from
// the definitions read from userdef.dat.
//
// Names: the submenus are "user_menu_1" to "user_menu_4" (the QMenu and its menu action alike);
// entry k of submenu m is the action "user_menu_<m>_<k>", for example "user_menu_2_10". An
// entry's line is at once what it shows and the script it types: the action's data holds the
// line, its caption shows the line as written (shortened when it is long).
class UserMenus {
public:
    static QString menuName(int menu);
    static QString entryName(int menu, int entry);

    // Adds the four submenus, all hidden and empty, to a window's Insert menu. An entry types its
    // line into the active document.
    static void addTo(QMenu* insertMenu, QWidget* owner, InsertionTarget& target);
    // Shows each defined entry of the submenus that `owner` was given, and the submenu holding
    // it; hides the rest.
    static void draw(QWidget* owner, const UserMenuFile& definitions);

    // Reads userdef.dat into the program state, which every window then draws. A file that
    // cannot be opened is reported and leaves no definitions, so every submenu hides.
    static void load(ProgramState& state, DialogService& dialogs, QWidget* parent);

    // How an entry shows `line`: every '&' as itself, a long line cut short with an ellipsis.
    static QString caption(const QString& line, const QFontMetrics& metrics);
};
