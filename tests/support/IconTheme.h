#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A one-icon theme in a temporary folder, in force for the life of the object: the icon `name`
// drawn by the SVG file `drawing` (a resource path). The theme in force before comes back after.
class OneIconTheme {
public:
    OneIconTheme(const QString& name, const QString& drawing);
    ~OneIconTheme();

    // False if the theme could not be written.
    bool isValid() const { return m_valid; }

private:
    QTemporaryDir m_folder;
    QStringList m_previousPaths;
    QString m_previousName;
    bool m_valid = false;
};
