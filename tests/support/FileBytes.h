#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A file's bytes as a test sees them: "<unreadable>" when it cannot be read.
inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Writes `bytes` as the file's whole content; false when any of it could not be written.
inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
