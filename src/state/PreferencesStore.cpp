#include "state/PreferencesStore.h"

PreferencesStore::PreferencesStore(const QString& iniPath)
    : m_settings(iniPath, QSettings::IniFormat) {}

QString PreferencesStore::path(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

QString PreferencesStore::get(const QString& section, const QString& key) const {
    const QVariant value = m_settings.value(path(section, key));
    return value.canConvert<QString>() ? value.toString() : QString();
}

void PreferencesStore::save(const QString& section, const QString& key, const QString& value) {
    if (m_cleared)
        return;
    m_settings.setValue(path(section, key), value);
    m_settings.sync();
}

void PreferencesStore::deleteSection(const QString& section) {
    m_settings.remove(section);
    m_settings.sync();
}

void PreferencesStore::deleteAll() {
    m_settings.clear();
    m_settings.sync();
}

QList<QPair<QString, QString>> PreferencesStore::getAll(const QString& section) const {
    QList<QPair<QString, QString>> pairs;
    m_settings.beginGroup(section);
    QStringList keys = m_settings.childKeys();
    // Numbered keys in numeric order: "RecentFile10" would otherwise sort before "RecentFile2".
    std::stable_sort(keys.begin(), keys.end(), [](const QString& a, const QString& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    for (const QString& key : keys)
        pairs.append({key, m_settings.value(key).toString()});
    m_settings.endGroup();
    return pairs;
}
