#pragma once

#include <QList>
#include <QPair>
#include <QSettings>
#include <QString>
#include <memory>

// Sections and keys of the per-user store, in one place.
namespace Pref {
inline const QString Size = QStringLiteral("Size");
inline const QString MainTop = QStringLiteral("main_top");
inline const QString MainHeight = QStringLiteral("main_height");
inline const QString MainWidth = QStringLiteral("main_width");
inline const QString MainLeft = QStringLiteral("main_left");
inline const QString Tools = QStringLiteral("Tools");
inline const QString Noform = QStringLiteral("Noform");
inline const QString Template = QStringLiteral("Template");
inline const QString Checked = QStringLiteral("Checked");
inline const QString File = QStringLiteral("File");
inline const QString Font = QStringLiteral("Font");
inline const QString Name = QStringLiteral("Name");
inline const QString FontSize = QStringLiteral("Size");
inline const QString Bold = QStringLiteral("Bold");
inline const QString Italic = QStringLiteral("Italic");
inline const QString Strikethru = QStringLiteral("Strikethru");
inline const QString Underline = QStringLiteral("Underline");
inline const QString Color = QStringLiteral("Color");
inline const QString BackColor = QStringLiteral("BackColor");
inline const QString ForeColor = QStringLiteral("ForeColor");
inline const QString RecentFiles = QStringLiteral("Recent Files");
inline const QString RecentFileKey = QStringLiteral("RecentFile");
inline const QString Files = QStringLiteral("Files");
inline const QString Type = QStringLiteral("Type");
// The View switches, Open Large Files and tabbed windows.
inline const QString View = QStringLiteral("View");
inline const QString SyntaxColouring = QStringLiteral("SyntaxColouring");
inline const QString LineNumbers = QStringLiteral("LineNumbers");
inline const QString TagCompletion = QStringLiteral("TagCompletion");
inline const QString AutoCloseTags = QStringLiteral("AutoCloseTags");
inline const QString HighlightCurrentLine = QStringLiteral("HighlightCurrentLine");
inline const QString AutoIndent = QStringLiteral("AutoIndent");
inline const QString LivePreview = QStringLiteral("LivePreview");
inline const QString LivePreviewPlace = QStringLiteral("LivePreviewPlace");
inline const QString Open = QStringLiteral("Open");
inline const QString LargeFiles = QStringLiteral("LargeFiles");
inline const QString Window = QStringLiteral("Window");
inline const QString Tabbed = QStringLiteral("Tabbed");

}  // namespace Pref

// The program's preferences: string values by section and key, kept in an INI file per user.
// A missing key reads as the empty string, which every reader treats as absent.
//
// Preferences-cleared mode belongs to the store: after the user cleared the preferences, save()
// stores nothing until the mode is switched off again, so no writer has to ask first. Every run
// starts with the mode off; deleting stays possible, as clearing itself needs it.
//
// When the path names something other than a regular file (a FIFO or a device, whose reading
// would block or whose replacing would do harm), the store keeps nothing: it reads as empty and
// writes nowhere.
class PreferencesStore {
public:
    explicit PreferencesStore(const QString& iniPath);
    ~PreferencesStore();

    // Where the program keeps its settings for this user, found without reading anything there.
    static QString userSettingsPath();

    QString get(const QString& section, const QString& key) const;
    // Creates or replaces the value, unless preferences-cleared mode is on.
    void save(const QString& section, const QString& key, const QString& value);
    void deleteSection(const QString& section);
    void deleteAll();
    // The section's pairs in key order; the program names its keys so that this is also the
    // order in which they are written ("RecentFile1" before "RecentFile2").
    QList<QPair<QString, QString>> getAll(const QString& section) const;

    bool isCleared() const { return m_cleared; }
    void setCleared(bool cleared) { m_cleared = cleared; }

    QString fileName() const { return m_fileName; }

private:
    static QString path(const QString& section, const QString& key);

    QString m_fileName;
    std::unique_ptr<QSettings> m_settings;  // none when the file was refused
    bool m_cleared = false;
};
