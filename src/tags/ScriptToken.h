#pragma once

#include <QChar>

// The keys a script can name in braces. Escape, Insert and Other (function, lock and help keys)
// are real keys that change nothing in a plain-text editor.
enum class ScriptKey {
    Enter,
    Left,
    Right,
    Up,
    Down,
    Home,
    End,
    PageUp,
    PageDown,
    Backspace,
    Delete,
    Tab,
    Escape,
    Insert,
    Other,
};

// The modifier keys held while a token is typed.
struct ScriptModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;

    bool any() const { return shift || ctrl || alt; }
    ScriptModifiers operator|(const ScriptModifiers& other) const {
        return {shift || other.shift, ctrl || other.ctrl, alt || other.alt};
    }
    bool operator==(const ScriptModifiers&) const = default;
};

// One step of a keystroke script: a character to type or a key to press, `count` times.
struct ScriptToken {
    enum class Kind { Character, Key };

    Kind kind = Kind::Character;
    QChar character;                   // for Kind::Character
    ScriptKey key = ScriptKey::Enter;  // for Kind::Key
    int count = 1;
    ScriptModifiers modifiers;

    static ScriptToken typed(QChar c, ScriptModifiers mods = {}, int count = 1) {
        ScriptToken t;
        t.kind = Kind::Character;
        t.character = c;
        t.modifiers = mods;
        t.count = count;
        return t;
    }
    static ScriptToken pressed(ScriptKey k, ScriptModifiers mods = {}, int count = 1) {
        ScriptToken t;
        t.kind = Kind::Key;
        t.key = k;
        t.modifiers = mods;
        t.count = count;
        return t;
    }
    bool operator==(const ScriptToken& o) const {
        return kind == o.kind && count == o.count && modifiers == o.modifiers &&
               (kind == Kind::Character ? character == o.character : key == o.key);
    }
};
