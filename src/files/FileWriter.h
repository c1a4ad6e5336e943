#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

// Why a file could not be written: the system's error number and its own words for it.
struct WriteFailure {
    WriteFailure() = default;
    WriteFailure(int errorCode, const QString& systemText, bool fileReadOnly = false)
        : errorCode(errorCode), systemText(systemText), fileReadOnly(fileReadOnly) {}
    // With the system's words for the error.
    static WriteFailure of(int errorCode);

    int errorCode = 0;  // an errno value; 0 when the system gave none
    QString systemText;
    bool fileReadOnly = false;  // the file exists and may not be written
    // The folder that refused or that the file lies in, with symbolic links followed; empty
    // when unknown (the folder of the path saved to is meant then).
    QString folder;
    // Where the file's old content is kept, when a write over the file failed and the old
    // content could not be put back.
    QString keptAside;
};

// Writes files whole or not at all, and leaves the file what it was: its owner and group, its
// other hard links, and the symbolic link it was saved through.
class FileWriter {
public:
    // Replaces the file's content with `bytes`. A symbolic link is followed, and its target
    // written. Mostly the new content goes to a new file that is renamed over the old one only
    // once every byte was written and flushed to the disk, with the old owner and group given
    // back where the system allows. Where that would split the file from its other hard links,
    // or the folder may not take a new file while the file may be written, the file is written
    // over instead, with its old content kept in `asideFolder` until the new content is on the
    // disk. Either way a failure leaves the old content as it was and says why.
    static std::optional<WriteFailure> write(const QString& path, const QByteArray& bytes,
                                             const QString& asideFolder = defaultAsideFolder());

    // The per-user folder where old content waits while a file is written over.
    static QString defaultAsideFolder();

    // Makes a write beyond the process's file-size limit (ulimit -f) fail with EFBIG like any
    // other failed write, instead of ending the program with SIGXFSZ. Called once at start-up.
    static void ignoreFileSizeSignal();
};
