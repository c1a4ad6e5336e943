#pragma once

#include <QByteArrayView>
#include <QString>

// What the file system says about a file without reading it: enough to tell, in one system call,
// that it is still the file that was read or written. A file rewritten with the same stamp is
// unheard of; one with a new stamp may still hold the same bytes (touched, copied over with the
// same content), which only its bytes tell.
struct FileStamp {
    bool exists = false;  // a regular file is there
    qint64 size = -1;
    qint64 modified = 0;  // nanoseconds since the epoch
    qint64 changed = 0;   // the inode's change time, likewise
    quint64 inode = 0;
    quint64 device = 0;

    bool operator==(const FileStamp&) const = default;

    static FileStamp of(const QString& path);
};

// A fingerprint of a file's bytes, to tell a file that was only touched from one that changed.
// Fast (gigabytes a second), and only ever compared within one run.
quint64 contentHash(QByteArrayView bytes);
