#pragma once

#include <QByteArray>

// Reads and writes on an open file that go straight to the system, so that the error number of
// a failure is known exactly. Each returns false and sets *errorCode (an errno value) on failure.
namespace DiskWrite {

// Writes all of `bytes` at the file's position; a short write is followed by another until the
// system refuses.
bool writeAll(int fd, const QByteArray& bytes, int* errorCode);
// Flushes the file to the disk: some file systems report a full disk or a failed device only
// then.
bool flushToDisk(int fd, int* errorCode);
// Reads from the file's position to its end.
bool readAll(int fd, QByteArray* bytes, int* errorCode);

}  // namespace DiskWrite
