#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The definitions of the four user menus as read from userdef.dat: the file's first forty lines,
// ten per menu. A line's position alone decides its menu and entry, so empty lines are kept;
// lines beyond the fortieth are dropped, and a shorter file defines only what it reaches.
class UserMenuFile {
public:
    static constexpr int kMenuCount = 4;
    static constexpr int kEntryCount = 10;
    static constexpr int kLineCount = kMenuCount * kEntryCount;

    UserMenuFile() = default;

    // Reads the file's bytes: UTF-8 when they are valid UTF-8 (a leading byte-order mark is
    // dropped), otherwise Latin-1. A line ends at CR LF, LF or CR and keeps every other
    // character, blanks included.
    static UserMenuFile parse(const QByteArray& bytes);

    // The lines read, at most forty.
    const QStringList& lines() const { return m_lines; }
    // The definition of entry `entry` (1 to 10) of menu `menu` (1 to 4); empty when its line is
    // empty or the file ended before it.
    QString entry(int menu, int entry) const;
    // The line number (1 to 40) that defines the entry.
    static int lineOf(int menu, int entry) { return (menu - 1) * kEntryCount + entry; }

    // The file `bytes` with `line` written as a new entry of menu `menu`: on the first of its ten
    // lines that is empty or that the file does not reach (the lines before it added, empty).
    // Every other byte stays as it was: line ends, later lines, a byte-order mark; the file stays
    // Latin-1 unless the new line holds a character Latin-1 lacks, and then all of it becomes
    // UTF-8. No value when the menu has ten entries already or `line` holds a line break.
    struct Added {
        QByteArray bytes;
        int entry = 0;  // 1 to 10
    };
    static std::optional<Added> withEntry(const QByteArray& bytes, int menu, const QString& line);

    bool operator==(const UserMenuFile&) const = default;

private:
    QStringList m_lines;
};
