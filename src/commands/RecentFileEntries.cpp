#include "commands/RecentFileEntries.h"

#include "state/RecentFileList.h"

#include <QAction>
#include <QMenu>

RecentFileEntries::RecentFileEntries(QMenu& fileMenu, Separator separator, RecentFileList& list,
                                     std::function<void(const QString&)> open)
    : QObject(&fileMenu) {
    if (separator == Separator::Own) {
        m_separator = fileMenu.addSeparator();
        m_separator->setObjectName(QStringLiteral("recent_files_separator"));
        m_separator->setVisible(false);
    }
    for (int position = 1; position <= RecentFileList::kMaximum; ++position) {
        QAction* entry = fileMenu.addAction(QString());
        entry->setObjectName(QStringLiteral("recent_file_%1").arg(position));
        entry->setVisible(false);
        connect(entry, &QAction::triggered, this, [entry, open] { open(fileOf(entry)); });
        m_entries.append(entry);
    }
    connect(&list, &RecentFileList::rebuilt, this, &RecentFileEntries::draw);
}

QString RecentFileEntries::fileOf(const QAction* entry) {
    return entry->data().toString();
}

void RecentFileEntries::draw(const QStringList& files) {
    for (int c = 0; c < files.size() && c < m_entries.size(); ++c) {
        QAction* entry = m_entries[c];
        // The path is kept apart from the text: an '&' in a folder name is no access key.
        entry->setData(files[c]);
        entry->setText(QString(files[c]).replace(QLatin1Char('&'), QLatin1String("&&")));
        entry->setVisible(true);
    }
    if (m_separator && !files.isEmpty())
        m_separator->setVisible(true);
}
