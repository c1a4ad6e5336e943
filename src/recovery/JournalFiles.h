#pragma once

#include <QString>

class QFile;

// How the journal looks at what it finds in the recovery folder. It never goes through a
// symbolic link and never opens anything but a regular file of the user's own: a link, a pipe,
// a device or another user's file there is left as it is, so that nothing outside the journal is
// read, written or deleted, and nothing can make a start wait.
class JournalFiles {
public:
    enum class Kind { Missing, File, Folder, Other };
    struct Found {
        Kind kind = Kind::Missing;
        qint64 size = 0;
    };

    // What is at `path` itself: a link is Other, and so is anything another user owns.
    static Found find(const QString& path);
    static bool isFile(const QString& path) { return find(path).kind == Kind::File; }
    // Opens `path` for reading when it is a regular file of the user's; else false and the
    // reason in *problem.
    static bool openFile(QFile& file, const QString& path, QString* problem);
    // Removes `path` unless it is a folder. Removing a link leaves what it points to alone.
    static void removeUnlessFolder(const QString& path);
    // Makes `path`, with the folders above it, and lets only its owner use it. Empty, or the
    // reason it cannot be made.
    static QString makePrivateFolder(const QString& path);
    // The system's words for an error number ("No space left on device").
    static QString reason(int errorCode);
};
