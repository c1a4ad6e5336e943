#pragma once

#include "files/FileWriter.h"

// Writes over an existing file, for when replacing it with a new one would change what it is.
// Its old content is copied aside first and stays there until the new content is on the disk;
// a write that fails puts the old content back, and keeps the copy when even that fails.
class InPlaceWriter {
public:
    static std::optional<WriteFailure> write(const QString& path, const QByteArray& bytes,
                                             const QString& asideFolder);
};
