#pragma once

#include <QString>
#include <QStringView>
#include <Qt>

// Keys pressed in the editor, written down as a keystroke script (see KeystrokeScript) that types
// the same again: characters as themselves (the script's own characters escaped, `{+}`), Enter as
// `~`, and `{tab}`, `{bs}`, `{del}`, the arrows, `{home}` and `{end}` (with Shift to select, and
// `^{home}`, `^{end}`), a key pressed again in a row as one key with a count (`{left 3}`).
//
// What a script cannot type back exactly is refused: Ctrl and Alt chords (whose effect depends on
// the clipboard or on keys a script cannot name), Page Up and Page Down (which depend on the
// window's size), Insert (which changes how later typing acts), and anything else without a name
// in the script language. Keys that change nothing in the text (Shift alone, Esc, function keys)
// are passed over.
class KeystrokeRecording {
public:
    enum class Take { Recorded, Ignored, Refused };

    // One key press as the editor receives it.
    Take addKey(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    // Characters typed otherwise (an input method's text); false, and nothing added, when one of
    // them is a control character a script cannot type.
    bool addText(QStringView text);
    // Adds what `other` recorded, a key pressed again still counted with the one before.
    void append(const KeystrokeRecording& other);

    QString script() const;
    bool isEmpty() const { return m_done.isEmpty() && m_count == 0; }

    // How the status line names a key: "Ctrl+Left".
    static QString keyName(int key, Qt::KeyboardModifiers modifiers);

private:
    void press(const QString& prefix, const char* name);
    void flush();

    QString m_done;
    QString m_prefix;         // of the key being repeated: "", "+", "^", "^+"
    const char* m_name = "";  // its name in braces
    int m_count = 0;          // how many times in a row
};
