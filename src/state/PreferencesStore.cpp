#include "state/PreferencesStore.h"

#include <QFileInfo>
#include <QStandardPaths>

PreferencesStore::PreferencesStore(const QString& iniPath) : m_fileName(iniPath) {
    // QSettings reads its file as soon as it is made.
    const QFileInfo file(iniPath);
    if (!file.exists() || file.isFile())
        m_settings = std::make_unique<QSettings>(iniPath, QSettings::IniFormat);
}

PreferencesStore::~PreferencesStore() = default;

QString PreferencesStore::userSettingsPath() {
    // Where QSettings keeps the native format for organisation and application "Pagelark".
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Pagelark/Pagelark.conf");
}

QString PreferencesStore::path(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

QString PreferencesStore::get(const QString& section, const QString& key) const {
    if (!m_settings)
        return QString();
    const QVariant value = m_settings->value(path(section, key));
    return value.canConvert<QString>() ? value.toString() : QString();
}

void PreferencesStore::save(const QString& section, const QString& key, const QString& value) {
    if (m_cleared || !m_settings)
        return;
    m_settings->setValue(path(section, key), value);
    m_settings->sync();
}

void PreferencesStore::deleteSection(const QString& section) {
    if (!m_settings)
        return;
    m_settings->remove(section);
    m_settings->sync();
}

void PreferencesStore::deleteAll() {
    if (!m_settings)
        return;
    m_settings->clear();
    m_settings->sync();
}

QList<QPair<QString, QString>> PreferencesStore::getAll(const QString& section) const {
    QList<QPair<QString, QString>> pairs;
    if (!m_settings)
        return pairs;
    m_settings->beginGroup(section);
    QStringList keys = m_settings->childKeys();
    // Numbered keys in numeric order: "RecentFile10" would otherwise sort before "RecentFile2".
    std::stable_sort(keys.begin(), keys.end(), [](const QString& a, const QString& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    for (const QString& key : keys)
        pairs.append({key, m_settings->value(key).toString()});
    m_settings->endGroup();
    return pairs;
}
