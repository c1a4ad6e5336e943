#pragma once

// How a document's text is stored on disk: its encoding and the line end it writes.
enum class TextEncoding { Utf8, Latin1 };

enum class LineEnd { Lf, CrLf, Cr };

struct TextFormat {
    TextEncoding encoding = TextEncoding::Utf8;
    LineEnd lineEnd = LineEnd::Lf;

    friend bool operator==(const TextFormat&, const TextFormat&) = default;
};

// Bytes one line break takes in the file (the editor counts it as one position).
inline int lineEndLength(LineEnd lineEnd) {
    return lineEnd == LineEnd::CrLf ? 2 : 1;
}
