#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// One tag in a stretch of markup, as offsets into that stretch.
struct MarkupTag {
    qsizetype start = 0;  // its "<"
    qsizetype end = 0;    // just after its ">"; where it breaks off when it has none
    QStringView name;
    bool isEnd = false;        // </name>
    bool selfClosing = false;  // <name ... />
    bool closed = false;       // its ">" was found

    bool covers(qsizetype position) const { return position >= start && position <= end; }
};

// True for the characters of an element name after its first letter.
bool isTagNameChar(QChar ch);
// True when a tag starts at `at`: "<" or "</" followed by an ASCII letter.
bool isTagStart(QStringView text, qsizetype at);
// Reads the tag that starts at `at` (isTagStart() must hold) up to its ">", stepping over quoted
// attribute values. Breaks off at the end of the text or at a "<" outside quotes.
MarkupTag readTag(QStringView text, qsizetype at);

// Reads the tags of a stretch of markup from left to right. Comments, declarations and the
// content of <script> and <style> elements are stepped over, as a browser does: what looks like
// a tag there is none.
class TagScanner {
public:
    explicit TagScanner(QStringView text, qsizetype from = 0) : m_text(text), m_pos(from) {}

    // The next tag, or nothing at the end of the text.
    std::optional<MarkupTag> next();

private:
    void skipPast(QLatin1StringView close);
    void skipRawText(QStringView element);

    QStringView m_text;
    qsizetype m_pos;
};
