#pragma once

#include <QList>
#include <QObject>

class DocumentWindow;
class MainFrame;
class QAction;
class QMdiArea;
class QMenu;

// A document window's Window menu: Cascade, Tile and Arrange Icons, and after them the list of
// open document windows by caption, rebuilt each time the menu opens.
class WindowMenu : public QObject {
    Q_OBJECT
public:
    // Makes the window's Window entries live and gives its menu the window list.
    static void bindTo(DocumentWindow& doc);

    // The windows that are not minimized one above the other, each as wide as the area, the
    // active one on top; the icons of minimized windows keep a row at the bottom.
    static void tile(QMdiArea& area);
    // Lines up the minimized windows along the bottom of the area, left to right.
    static void arrangeIcons(QMdiArea& area);

private:
    WindowMenu(QMenu& menu, MainFrame& frame);
    void rebuildList();

    QMenu& m_menu;
    MainFrame& m_frame;
    QList<QAction*> m_listEntries;
};
