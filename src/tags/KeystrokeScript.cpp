#include "tags/KeystrokeScript.h"

#include <vector>

namespace {

struct KeyName {
    const char* name;
    ScriptKey key;
};

constexpr KeyName kKeyNames[] = {
    {"enter", ScriptKey::Enter},
    {"left", ScriptKey::Left},
    {"right", ScriptKey::Right},
    {"up", ScriptKey::Up},
    {"down", ScriptKey::Down},
    {"home", ScriptKey::Home},
    {"end", ScriptKey::End},
    {"pgup", ScriptKey::PageUp},
    {"pgdn", ScriptKey::PageDown},
    {"bs", ScriptKey::Backspace},
    {"backspace", ScriptKey::Backspace},
    {"bksp", ScriptKey::Backspace},
    {"del", ScriptKey::Delete},
    {"delete", ScriptKey::Delete},
    {"tab", ScriptKey::Tab},
    {"esc", ScriptKey::Escape},
    {"insert", ScriptKey::Insert},
    {"ins", ScriptKey::Insert},
    {"break", ScriptKey::Other},
    {"capslock", ScriptKey::Other},
    {"clear", ScriptKey::Other},
    {"help", ScriptKey::Other},
    {"numlock", ScriptKey::Other},
    {"prtsc", ScriptKey::Other},
    {"scrolllock", ScriptKey::Other},
};

// What the first pass finds in the text. Parentheses are paired in a second pass, and the
// tokens come out of a third, so nesting depth never turns into recursion depth.
struct Lexeme {
    enum class Type { Character, Key, Modifier, Open, Close, Literal };
    Type type = Type::Character;
    QChar character;
    ScriptKey key = ScriptKey::Enter;
    int count = 1;
    int literalStart = 0;  // for Literal: a slice of the script
    int literalLength = 0;
    int partner = -1;          // for Open and Close: the matching parenthesis
    bool closesGroup = false;  // for Close: ends a modified group
};

class Lexer {
public:
    explicit Lexer(QStringView text) : m_text(text) {}
    std::vector<Lexeme> run();

private:
    void lexBrace();
    bool lexBraceContent(QStringView content);
    void addLiteral(int start, int length);

    QStringView m_text;
    qsizetype m_pos = 0;
    std::vector<Lexeme> m_out;
};

std::vector<Lexeme> Lexer::run() {
    while (m_pos < m_text.size()) {
        const QChar c = m_text[m_pos];
        Lexeme lx;
        if (c == u'{') {
            lexBrace();
            continue;
        }
        if (c == u'+' || c == u'^' || c == u'%') {
            lx.type = Lexeme::Type::Modifier;
            lx.character = c;
        } else if (c == u'(') {
            lx.type = Lexeme::Type::Open;
        } else if (c == u')') {
            lx.type = Lexeme::Type::Close;
        } else if (c == u'}') {
            lx.type = Lexeme::Type::Literal;
            lx.literalStart = int(m_pos);
            lx.literalLength = 1;
        } else if (c == u'~' || c == u'\n' || c == u'\r') {
            lx.type = Lexeme::Type::Key;
            lx.key = ScriptKey::Enter;
            if (c == u'\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n')
                ++m_pos;
        } else {
            lx.character = c;
        }
        m_out.push_back(lx);
        ++m_pos;
    }
    return std::move(m_out);
}

// At a `{`: an escaped character, a named key, or something malformed.
void Lexer::lexBrace() {
    const qsizetype open = m_pos;
    // A special character right after the brace is the name itself, even `{` or `}`.
    qsizetype scan = open + 1;
    if (scan < m_text.size() && KeystrokeScript::isSpecialCharacter(m_text[scan]))
        ++scan;
    // Stop at the next brace of either kind: scanning past another `{` would make a string of
    // lone braces quadratic, and would swallow a well-formed key that follows.
    while (scan < m_text.size() && m_text[scan] != u'}' && m_text[scan] != u'{')
        ++scan;
    if (scan >= m_text.size() || m_text[scan] == u'{') {
        addLiteral(int(open), 1);
        m_pos = open + 1;
        return;
    }
    const qsizetype close = scan;
    if (!lexBraceContent(m_text.sliced(open + 1, close - open - 1)))
        addLiteral(int(open), int(close - open + 1));
    m_pos = close + 1;
}

// Reads `name` or `name N` between braces; false when it is neither.
bool Lexer::lexBraceContent(QStringView content) {
    if (content.isEmpty())
        return false;
    QStringView name = content;
    int count = 1;
    qsizetype blank = KeystrokeScript::isSpecialCharacter(content[0]) ? 1 : content.indexOf(u' ');
    if (blank >= 0 && blank < content.size()) {
        if (content[blank] != u' ')
            return false;
        name = content.first(blank);
        const QStringView digits = content.sliced(blank + 1);
        if (digits.isEmpty())
            return false;
        qint64 value = 0;
        for (QChar d : digits) {
            if (d < u'0' || d > u'9')
                return false;
            value =
                std::min<qint64>(value * 10 + (d.unicode() - u'0'), KeystrokeScript::kMaxRepeat);
        }
        count = int(value);
    }
    Lexeme lx;
    lx.count = count;
    if (name.size() == 1 && KeystrokeScript::isSpecialCharacter(name[0])) {
        lx.character = name[0];
    } else if (auto key = KeystrokeScript::keyForName(name)) {
        lx.type = Lexeme::Type::Key;
        lx.key = *key;
    } else {
        return false;
    }
    m_out.push_back(lx);
    return true;
}

void Lexer::addLiteral(int start, int length) {
    Lexeme lx;
    lx.type = Lexeme::Type::Literal;
    lx.literalStart = start;
    lx.literalLength = length;
    m_out.push_back(lx);
}

void pairParentheses(std::vector<Lexeme>& lexemes) {
    std::vector<int> open;
    for (int i = 0; i < int(lexemes.size()); ++i) {
        if (lexemes[i].type == Lexeme::Type::Open) {
            open.push_back(i);
        } else if (lexemes[i].type == Lexeme::Type::Close && !open.empty()) {
            lexemes[i].partner = open.back();
            lexemes[open.back()].partner = i;
            open.pop_back();
        }
    }
}

// Turns lexemes into tokens, applying pending modifiers and the modifiers of open groups.
class TokenWriter {
public:
    TokenWriter(QStringView text, std::vector<Lexeme>& lexemes) : m_text(text), m_lx(lexemes) {}
    QList<ScriptToken> run();

private:
    void handle(int index);
    ScriptModifiers active() const {
        return m_groups.empty() ? m_pending : m_groups.back() | m_pending;
    }
    void flushPendingAsText();
    void writeLiteral(QStringView text);

    QStringView m_text;
    std::vector<Lexeme>& m_lx;
    std::vector<ScriptModifiers> m_groups;
    ScriptModifiers m_pending;
    QString m_pendingText;
    QList<ScriptToken> m_out;
};

QList<ScriptToken> TokenWriter::run() {
    for (int i = 0; i < int(m_lx.size()); ++i)
        handle(i);
    flushPendingAsText();
    return std::move(m_out);
}

void TokenWriter::handle(int index) {
    Lexeme& lx = m_lx[index];
    switch (lx.type) {
        case Lexeme::Type::Modifier:
            m_pending.shift |= lx.character == u'+';
            m_pending.ctrl |= lx.character == u'^';
            m_pending.alt |= lx.character == u'%';
            m_pendingText += lx.character;
            return;
        case Lexeme::Type::Character:
            m_out.append(ScriptToken::typed(lx.character, active(), lx.count));
            break;
        case Lexeme::Type::Key:
            m_out.append(ScriptToken::pressed(lx.key, active(), lx.count));
            break;
        case Lexeme::Type::Open:
            if (lx.partner >= 0 && !m_pendingText.isEmpty()) {
                m_groups.push_back(active());
                m_lx[lx.partner].closesGroup = true;
                break;
            }
            flushPendingAsText();
            writeLiteral(u"(");
            return;
        case Lexeme::Type::Close:
            flushPendingAsText();
            if (lx.closesGroup)
                m_groups.pop_back();
            else
                writeLiteral(u")");
            return;
        case Lexeme::Type::Literal:
            flushPendingAsText();
            writeLiteral(m_text.sliced(lx.literalStart, lx.literalLength));
            return;
    }
    m_pending = {};
    m_pendingText.clear();
}

void TokenWriter::flushPendingAsText() {
    m_pending = {};
    if (m_pendingText.isEmpty())
        return;
    const QString text = m_pendingText;
    m_pendingText.clear();
    writeLiteral(text);
}

void TokenWriter::writeLiteral(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            m_out.append(ScriptToken::pressed(ScriptKey::Enter));
        } else {
            m_out.append(ScriptToken::typed(c));
        }
    }
}

}  // namespace

QList<ScriptToken> KeystrokeScript::parse(QStringView script) {
    std::vector<Lexeme> lexemes = Lexer(script).run();
    pairParentheses(lexemes);
    return TokenWriter(script, lexemes).run();
}

std::optional<ScriptKey> KeystrokeScript::keyForName(QStringView name) {
    for (const KeyName& entry : kKeyNames) {
        if (name.compare(QLatin1StringView(entry.name), Qt::CaseInsensitive) == 0)
            return entry.key;
    }
    // Function keys F1 to F16 exist on the keyboard but type nothing into the text.
    if (name.size() >= 2 && name.size() <= 3 && (name[0] == u'f' || name[0] == u'F')) {
        bool ok = false;
        const int number = name.sliced(1).toInt(&ok);
        if (ok && number >= 1 && number <= 16 && name[1] != u'0' && name[1] != u'+')
            return ScriptKey::Other;
    }
    return std::nullopt;
}

bool KeystrokeScript::isSpecialCharacter(QChar c) {
    switch (c.unicode()) {
        case u'+':
        case u'^':
        case u'%':
        case u'~':
        case u'(':
        case u')':
        case u'{':
        case u'}':
            return true;
        default:
            return false;
    }
}
