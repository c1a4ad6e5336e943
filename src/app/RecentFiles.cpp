#include "app/RecentFiles.h"

#include "app/MainFrame.h"
#include "app/PreferencesStore.h"
#include "document/DocumentWindow.h"
#include "document/FileCommands.h"

#include <QAction>

namespace {

QString keyOf(int k) {
    return Pref::RecentFileKey + QString::number(k);
}

QString frameEntry(int position) {
    return QStringLiteral("mnuRecentFile%1").arg(position);
}

}  // namespace

RecentFiles::RecentFiles(MainFrame& frame) : m_frame(frame) {}

QStringList RecentFiles::withAdded(const QStringList& list, const QString& fileName) {
    QStringList added{fileName};
    added += list.mid(0, kMaximum - 1);
    return added;
}

QString RecentFiles::fileOf(const QAction* entry) {
    return entry->data().toString();
}

void RecentFiles::show(QAction* entry, const QString& fileName) {
    // The path is kept apart from the text: an '&' in a folder name must not become an access key.
    entry->setData(fileName);
    entry->setText(QString(fileName).replace(QLatin1Char('&'), QLatin1String("&&")));
    entry->setVisible(true);
    entry->setEnabled(true);
}

QStringList RecentFiles::stored() const {
    QStringList files;
    for (int k = 1; k <= kMaximum; ++k) {
        const QString file = m_frame.prefs().get(Pref::RecentFiles, keyOf(k));
        if (!file.isEmpty())
            files.append(file);
    }
    return files;
}

QStringList RecentFiles::shownInFrame() const {
    QStringList files;
    for (int position = 0; position < kMaximum; ++position) {
        const QAction* entry = m_frame.action(frameEntry(position));
        if (entry->isVisible())
            files.append(fileOf(entry));
    }
    return files;
}

void RecentFiles::update(const QString& fileName) {
    if (!shownInFrame().contains(fileName) && !m_frame.preferencesCleared()) {
        const QStringList files = withAdded(stored(), fileName);
        for (int k = 1; k <= files.size(); ++k)
            m_frame.prefs().save(Pref::RecentFiles, keyOf(k), files.at(k - 1));
    }
    rebuildMenus();
}

void RecentFiles::rebuildMenus() {
    if (m_frame.prefs().get(Pref::RecentFiles, keyOf(1)).isEmpty())
        return;
    const auto pairs = m_frame.prefs().getAll(Pref::RecentFiles);
    const QList<DocumentWindow*> windows = m_frame.documents().openWindows();
    for (int c = 0; c < pairs.size() && c < kMaximum; ++c) {
        show(m_frame.action(frameEntry(c)), pairs.at(c).second);
        for (DocumentWindow* doc : windows) {
            doc->action(frameEntry(0))->setVisible(true);
            show(doc->action(frameEntry(c + 1)), pairs.at(c).second);
        }
    }
}

void RecentFiles::open(const QAction* entry) {
    m_frame.fileCommands().openDocumentFile(fileOf(entry));
    rebuildMenus();
}
