#pragma once

#include <QObject>
#include <QStringList>

class Preferences;

// The four most recent files. The list lives in the preferences; what the menus show is kept
// here and only changes when the menus are rebuilt from the store, which never hides an entry
// and never clears one (after Clear Preferences the running program keeps showing its list).
class RecentFileList : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaximum = 4;

    explicit RecentFileList(Preferences& prefs) : m_prefs(prefs) {}

    // The files the menus show, most recent first.
    const QStringList& shown() const { return m_shown; }

    // Puts a newly opened or saved file at the head of the stored list unless it is shown
    // already, then rebuilds.
    void add(const QString& fileName);
    // Shows the stored list; without a stored first file nothing changes and nothing is drawn.
    void rebuild();

    // The stored list after `fileName` was added at the head (the oldest drops off).
    static QStringList withAdded(const QStringList& list, const QString& fileName);

signals:
    // The menus show `files` in their first entries and keep the rest. Windows made since the
    // last rebuild show no entries until the next one.
    void rebuilt(const QStringList& files);

private:
    Preferences& m_prefs;
    QStringList m_shown;
};
