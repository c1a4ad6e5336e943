#pragma once

#include <QString>
#include <QStringList>

class MainFrame;
class QAction;

// The four most recent files: kept in the "Recent Files" section, shown at the end of the File
// menus of the frame (positions 0 to 3) and of every document window (position 0 as their
// separator, 1 to 4 the files).
class RecentFiles {
public:
    static constexpr int kMaximum = 4;

    explicit RecentFiles(MainFrame& frame);

    // Puts a newly opened or saved file at the head of the list, unless the frame's menu already
    // shows it, and rebuilds the menus.
    void update(const QString& fileName);
    // Shows the stored list in the menus; never hides an entry or clears a caption.
    void rebuildMenus();
    // Opens the file an entry shows, in a new window and without a size limit.
    void open(const QAction* entry);

    // The stored list after `fileName` was added at the head (pure; the oldest drops off).
    static QStringList withAdded(const QStringList& list, const QString& fileName);
    // The file an entry stands for.
    static QString fileOf(const QAction* entry);

private:
    QStringList stored() const;
    QStringList shownInFrame() const;
    static void show(QAction* entry, const QString& fileName);

    MainFrame& m_frame;
};
