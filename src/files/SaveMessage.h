#pragma once

#include <QString>

struct WriteFailure;

// The message a failed save shows: the file, why it could not be saved in plain words, and the
// system's own words after them.
class SaveMessage {
public:
    static QString forFailure(const QString& path, const WriteFailure& failure);
    // For a reason the program found itself (a character the encoding cannot hold).
    static QString forReason(const QString& path, const QString& reason);
};
