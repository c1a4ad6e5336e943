#pragma once

#include <QList>
#include <QObject>
#include <functional>

class QAction;
class QMenu;
class RecentFileList;

// The recent files at the end of a File menu, named "recent_file_1" to "recent_file_4", all
// hidden until the list is first rebuilt after the menu was made. A document window's menu
// shows its own separator before them ("recent_files_separator"), hidden while they are; the
// frame's menu ends with a separator of its own already.
class RecentFileEntries : public QObject {
    Q_OBJECT
public:
    enum class Separator { Own, None };

    RecentFileEntries(QMenu& fileMenu, Separator separator, RecentFileList& list,
                      std::function<void(const QString&)> open);

    // The file an entry stands for.
    static QString fileOf(const QAction* entry);

private:
    void draw(const QStringList& files);

    QAction* m_separator = nullptr;
    QList<QAction*> m_entries;
};
