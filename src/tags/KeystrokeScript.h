#pragma once

#include "tags/ScriptToken.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

// Reads keystroke-script text into tokens.
//
// Well-formed pieces: plain characters, `~` (Enter), `{name}`, `{name N}` (one blank, decimal
// count), `{c}` for c in + ^ % ~ ( ) { } (that character, also `{c N}`), and the modifiers
// `+` Shift, `^` Ctrl, `%` Alt before a token or before a parenthesised group. A line break
// written into the script text itself (CR LF, LF or CR) counts as Enter.
//
// Scripts often carry text the user typed into a field, so parsing never fails. Whatever is
// malformed is typed literally, as the characters it consists of, without modifiers:
//   `{bogus}`, `{left x}`, `{left  2}`, `{}` ... the whole braced text;
//   a `{` with no closing brace, or whose next brace is another `{` ... just that `{`;
//   a `}` outside braces, a `(` not after a modifier or without its `)`, a `)` that closes
//   no group ... that one character (so "Photo (2001)" types as written);
//   modifiers followed by nothing they can apply to ... the modifier characters themselves.
// Repeat counts above kMaxRepeat are cut down to it, so `{left 999999999}` cannot hang.
class KeystrokeScript {
public:
    static constexpr int kMaxRepeat = 10000;

    static QList<ScriptToken> parse(QStringView script);

    // The key a brace name stands for (case-insensitive), or nothing for an unknown name.
    static std::optional<ScriptKey> keyForName(QStringView name);

    // True for the characters that have a meaning of their own in a script.
    static bool isSpecialCharacter(QChar c);
};
