#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

// Why a file could not be written: the system's error number and its own words for it.
struct WriteFailure {
    int errorCode = 0;  // an errno value; 0 when the system gave none
    QString systemText;
    bool fileReadOnly = false;  // the file exists and may not be written
};

// Writes files whole or not at all.
class FileWriter {
public:
    // Replaces the file's content with `bytes`. The new content goes to a new file that is
    // renamed over the old one only once every byte was written and flushed to the disk;
    // otherwise the old file stays as it was and the failure says why.
    static std::optional<WriteFailure> write(const QString& path, const QByteArray& bytes);

    // Makes a write beyond the process's file-size limit (ulimit -f) fail with EFBIG like any
    // other failed write, instead of ending the program with SIGXFSZ. Called once at start-up.
    static void ignoreFileSizeSignal();
};
