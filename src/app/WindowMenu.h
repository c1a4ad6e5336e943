#pragma once

#include <QList>
#include <QObject>

class CommandHandlers;
class DocumentArea;
class ProgramState;
class QAction;
class QMdiArea;
class QMenu;

// A document window's Window menu: Cascade, Tile and Arrange Icons, Tabbed Windows, Next and
// Previous Window, and after them the list of open document windows by caption, rebuilt each
// time the menu opens.
class WindowMenu : public QObject {
    Q_OBJECT
public:
    // Binds the menu's commands, which arrange the windows of `area`.
    static void bindCommands(CommandHandlers& commands, QMdiArea& area, ProgramState& state);
    // Gives a document window's Window menu the list of open windows.
    static void attach(QMenu& menu, DocumentArea& windows, QMdiArea& area);

    // The document windows as tabs across the area, or as windows inside it.
    static void showTabbed(QMdiArea& area, ProgramState& state, bool tabbed);

    // The windows that are not minimized one above the other, each as wide as the area, the
    // active one on top; the icons of minimized windows keep a row at the bottom.
    static void tile(QMdiArea& area);
    // Lines up the minimized windows along the bottom of the area, left to right.
    static void arrangeIcons(QMdiArea& area);

private:
    WindowMenu(QMenu& menu, DocumentArea& windows, QMdiArea& area);
    void rebuildList();

    QMenu& m_menu;
    DocumentArea& m_windows;
    QMdiArea& m_area;
    QList<QAction*> m_listEntries;
};
