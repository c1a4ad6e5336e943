#pragma once

#include <QString>
#include <QTemporaryDir>

// A small tmpfs mounted on a temporary folder while the object lives, so that a test can fill a
// disk or make it read-only. Mounting needs the right to (root); tests skip when mounted() is
// false.
class SmallDisk {
public:
    explicit SmallDisk(qint64 bytes = 1024 * 1024);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    qint64 freeBytes() const;
    // Writes a filler file so that exactly `bytes` stay free (a multiple of the page size).
    bool fillLeaving(qint64 bytes);
    bool makeReadOnly();

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
