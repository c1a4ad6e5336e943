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
    // Mounts the file `source` (from elsewhere) over the file `name` on this disk, so that it
    // stays writable when the disk is made read-only, and cannot be renamed over.
    bool mountFileOver(const QString& name, const QString& source);

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
