#include "state/RecentFileList.h"

#include "state/Preferences.h"

QStringList RecentFileList::withAdded(const QStringList& list, const QString& fileName) {
    QStringList added{fileName};
    added += list.mid(0, kMaximum - 1);
    return added;
}

void RecentFileList::add(const QString& fileName) {
    if (!m_shown.contains(fileName))
        m_prefs.setRecentFiles(withAdded(m_prefs.recentFiles(), fileName));
    rebuild();
}

void RecentFileList::rebuild() {
    if (!m_prefs.hasRecentFiles())
        return;
    const QStringList stored = m_prefs.recentFileSection().mid(0, kMaximum);
    for (int c = 0; c < stored.size(); ++c) {
        if (c < m_shown.size())
            m_shown[c] = stored[c];
        else
            m_shown.append(stored[c]);
    }
    emit rebuilt(stored);
}
