#include "tags/KeystrokeRecording.h"

#include "tags/KeystrokeScript.h"

#include <QKeySequence>

namespace {

// The named keys a recording takes, and which modifiers it takes them with.
struct NamedKey {
    int key;
    const char* name;
    bool withShift;    // Shift extends the selection
    bool withControl;  // Ctrl+Home and Ctrl+End go to the ends of the text
};

constexpr NamedKey kNamedKeys[] = {
    {Qt::Key_Left, "left", true, false},     {Qt::Key_Right, "right", true, false},
    {Qt::Key_Up, "up", true, false},         {Qt::Key_Down, "down", true, false},
    {Qt::Key_Home, "home", true, true},      {Qt::Key_End, "end", true, true},
    {Qt::Key_Backspace, "bs", false, false}, {Qt::Key_Delete, "del", false, false},
    {Qt::Key_Tab, "tab", false, false},
};

// Keys that leave the text and the caret as they are.
bool changesNothing(int key) {
    switch (key) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
        case Qt::Key_ScrollLock:
        case Qt::Key_Escape:
            return true;
        default:
            return (key >= Qt::Key_F1 && key <= Qt::Key_F35) ||
                   (key >= Qt::Key_Dead_Grave && key <= Qt::Key_Dead_Longsolidusoverlay);
    }
}

const NamedKey* namedKey(int key) {
    for (const NamedKey& named : kNamedKeys) {
        if (named.key == key)
            return &named;
    }
    return nullptr;
}

// Whether a script can type the character: every one but the control characters.
bool typable(QChar c) {
    return c == u'\t' || c == u'\n' ||
           (c.unicode() >= 0x20 && c.unicode() != 0x7f && c.category() != QChar::Other_Control &&
            c != QChar::LineSeparator && c != QChar::ParagraphSeparator);
}

}  // namespace

KeystrokeRecording::Take KeystrokeRecording::addKey(int key, Qt::KeyboardModifiers modifiers,
                                                    const QString& text) {
    modifiers &= ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    const bool shift = modifiers & Qt::ShiftModifier;
    const Qt::KeyboardModifiers chord = modifiers & ~Qt::ShiftModifier;
    if (changesNothing(key))
        return Take::Ignored;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (modifiers != Qt::NoModifier)
            return Take::Refused;  // Shift+Enter breaks the line without a paragraph
        flush();
        m_done += u'~';
        return Take::Recorded;
    }
    if (const NamedKey* named = namedKey(key)) {
        const bool control = chord == Qt::ControlModifier;
        if ((shift && !named->withShift) || (chord != Qt::NoModifier && !control) ||
            (control && !named->withControl))
            return Take::Refused;
        press(QString(control ? "^" : "") + (shift ? "+" : ""), named->name);
        return Take::Recorded;
    }
    if (chord != Qt::NoModifier || text.isEmpty())
        return Take::Refused;
    return addText(text) ? Take::Recorded : Take::Refused;
}

bool KeystrokeRecording::addText(QStringView text) {
    for (QChar c : text) {
        if (!typable(c))
            return false;
    }
    flush();
    for (QChar c : text) {
        if (c == u'\t')
            m_done += QLatin1String("{tab}");
        else if (c == u'\n')
            m_done += u'~';
        else if (KeystrokeScript::isSpecialCharacter(c))
            m_done += u'{' + QString(c) + u'}';
        else
            m_done += c;
    }
    return true;
}

void KeystrokeRecording::append(const KeystrokeRecording& other) {
    if (!other.m_done.isEmpty()) {
        flush();
        m_done += other.m_done;
    }
    for (int i = 0; i < other.m_count; ++i)
        press(other.m_prefix, other.m_name);
}

void KeystrokeRecording::press(const QString& prefix, const char* name) {
    if (m_count > 0 && prefix == m_prefix && qstrcmp(name, m_name) == 0) {
        ++m_count;
        return;
    }
    flush();
    m_prefix = prefix;
    m_name = name;
    m_count = 1;
}

void KeystrokeRecording::flush() {
    if (m_count == 0)
        return;
    m_done += m_prefix + u'{' + QLatin1String(m_name);
    if (m_count > 1)
        m_done += u' ' + QString::number(m_count);
    m_done += u'}';
    m_count = 0;
}

QString KeystrokeRecording::script() const {
    KeystrokeRecording copy = *this;
    copy.flush();
    return copy.m_done;
}

QString KeystrokeRecording::keyName(int key, Qt::KeyboardModifiers modifiers) {
    modifiers &= ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    return QKeySequence(QKeyCombination(modifiers, Qt::Key(key)))
        .toString(QKeySequence::NativeText);
}
