#include "syntax/ScriptLexer.h"

#include "syntax/LineScanner.h"

#include <algorithm>

namespace {

// What the state's low three bits say is open at the end of a line.
enum class Open : int {
    Nothing,
    BlockComment,  // /* ...
    Template,      // ` ...
    DoubleQuoted,  // " ... \ (a string continued with a backslash at the line's end)
    SingleQuoted,  // ' ... \ .
};
constexpr int kOpenMask = 7;
// Set when a "/" here would divide rather than start a regular expression: after a name, a
// number, a string or a closing bracket. Clear at the start of a script.
constexpr int kAfterOperand = 1 << 3;

// Sorted, for binary search.
const QLatin1StringView kKeywords[] = {
    QLatin1StringView("async"),     QLatin1StringView("await"),      QLatin1StringView("break"),
    QLatin1StringView("case"),      QLatin1StringView("catch"),      QLatin1StringView("class"),
    QLatin1StringView("const"),     QLatin1StringView("continue"),   QLatin1StringView("debugger"),
    QLatin1StringView("default"),   QLatin1StringView("delete"),     QLatin1StringView("do"),
    QLatin1StringView("else"),      QLatin1StringView("export"),     QLatin1StringView("extends"),
    QLatin1StringView("false"),     QLatin1StringView("finally"),    QLatin1StringView("for"),
    QLatin1StringView("function"),  QLatin1StringView("if"),         QLatin1StringView("import"),
    QLatin1StringView("in"),        QLatin1StringView("instanceof"), QLatin1StringView("let"),
    QLatin1StringView("new"),       QLatin1StringView("null"),       QLatin1StringView("of"),
    QLatin1StringView("return"),    QLatin1StringView("static"),     QLatin1StringView("super"),
    QLatin1StringView("switch"),    QLatin1StringView("this"),       QLatin1StringView("throw"),
    QLatin1StringView("true"),      QLatin1StringView("try"),        QLatin1StringView("typeof"),
    QLatin1StringView("undefined"), QLatin1StringView("var"),        QLatin1StringView("void"),
    QLatin1StringView("while"),     QLatin1StringView("with"),       QLatin1StringView("yield"),
};

// Keywords that end an operand: a "/" after them divides.
const QLatin1StringView kOperandKeywords[] = {
    QLatin1StringView("false"), QLatin1StringView("null"),      QLatin1StringView("super"),
    QLatin1StringView("this"),  QLatin1StringView("undefined"), QLatin1StringView("true"),
};

bool isKeyword(QStringView word) {
    const auto less = [](QLatin1StringView a, QStringView b) {
        return QStringView(b).compare(a) > 0;
    };
    const auto* found = std::lower_bound(std::begin(kKeywords), std::end(kKeywords), word, less);
    return found != std::end(kKeywords) && word.compare(*found) == 0;
}

bool isOperandKeyword(QStringView word) {
    return std::any_of(std::begin(kOperandKeywords), std::end(kOperandKeywords),
                       [word](QLatin1StringView keyword) { return word.compare(keyword) == 0; });
}

bool isNameStart(QChar ch) {
    return ch.isLetter() || ch == u'_' || ch == u'$';
}

bool isNameChar(QChar ch) {
    return ch.isLetterOrNumber() || ch == u'_' || ch == u'$';
}

bool isDigit(QChar ch) {
    return ch >= u'0' && ch <= u'9';
}

class ScriptLineLexer {
public:
    ScriptLineLexer(LineScanner& scanner, int state) : m_scan(scanner), m_state(state) {}

    int run() {
        while (!m_scan.atEnd())
            step();
        return m_state;
    }

private:
    Open open() const { return Open(m_state & kOpenMask); }
    void setOpen(Open open) { m_state = (m_state & ~kOpenMask) | int(open); }
    void setAfterOperand(bool on) {
        m_state = on ? m_state | kAfterOperand : m_state & ~kAfterOperand;
    }

    void step() {
        switch (open()) {
            case Open::BlockComment:
                return blockComment(m_scan.pos());
            case Open::Template:
                return quoted(u'`', m_scan.pos());
            case Open::DoubleQuoted:
                return quoted(u'"', m_scan.pos());
            case Open::SingleQuoted:
                return quoted(u'\'', m_scan.pos());
            case Open::Nothing:
                break;
        }
        code();
    }

    void code() {
        const QChar ch = m_scan.peek();
        const qsizetype from = m_scan.pos();
        if (ch.isSpace())
            return m_scan.advance();
        if (ch == u'/' && m_scan.peek(1) == u'/') {
            m_scan.moveToEnd();
            return m_scan.mark(SyntaxKind::Comment, from);
        }
        if (ch == u'/' && m_scan.peek(1) == u'*') {
            m_scan.advance(2);
            return blockComment(from);
        }
        if (ch == u'/' && !(m_state & kAfterOperand) && !m_noRegexAhead && regularExpression())
            return;
        if (ch == u'"' || ch == u'\'' || ch == u'`') {
            m_scan.advance();
            return quoted(ch, from);
        }
        if (isDigit(ch) || (ch == u'.' && isDigit(m_scan.peek(1))))
            return number();
        if (isNameStart(ch))
            return name();
        m_scan.advance();
        setAfterOperand(ch == u')' || ch == u']');
    }

    void blockComment(qsizetype from) {
        setOpen(m_scan.skipPast(QLatin1StringView("*/")) ? Open::Nothing : Open::BlockComment);
        m_scan.mark(SyntaxKind::Comment, from);
    }

    // The rest of a string or template literal. Only a template, or a string whose line ends in a
    // backslash, goes on to the next line.
    void quoted(QChar quote, qsizetype from) {
        bool escaped = false;
        while (!m_scan.atEnd() && (escaped || m_scan.peek() != quote)) {
            escaped = !escaped && m_scan.peek() == u'\\';
            m_scan.advance();
        }
        const bool closed = !m_scan.atEnd();
        m_scan.advance();
        m_scan.mark(SyntaxKind::String, from);
        setAfterOperand(true);
        if (closed)
            setOpen(Open::Nothing);
        else if (quote == u'`')
            setOpen(Open::Template);
        else
            setOpen(!escaped        ? Open::Nothing
                    : quote == u'"' ? Open::DoubleQuoted
                                    : Open::SingleQuoted);
    }

    // A literal such as /a[/]b/g; false (and nothing read) when the line ends before it closes,
    // so that the "/" is taken for an operator.
    bool regularExpression() {
        const QStringView rest = m_scan.rest();
        bool escaped = false;
        bool inClass = false;
        qsizetype at = 1;
        for (; at < rest.size(); ++at) {
            const QChar ch = rest[at];
            if (escaped)
                escaped = false;
            else if (ch == u'\\')
                escaped = true;
            else if (ch == u'[' || ch == u']')
                inClass = ch == u'[';
            else if (ch == u'/' && !inClass)
                break;
        }
        if (at >= rest.size()) {
            // No later "/" on this line starts one either, as a rule; not trying again keeps a
            // line full of slashes linear.
            m_noRegexAhead = true;
            return false;
        }
        const qsizetype from = m_scan.pos();
        m_scan.advance(at + 1);
        m_scan.skipWhile([](QChar ch) { return ch.isLetter(); });
        m_scan.mark(SyntaxKind::String, from);
        setAfterOperand(true);
        return true;
    }

    // 42, 3.14, 1e-9, 0xFF, 1_000n.
    void number() {
        const qsizetype from = m_scan.pos();
        m_scan.advance();
        QChar previous = m_scan.line()[from];
        m_scan.skipWhile([&previous](QChar ch) {
            const bool exponentSign =
                (ch == u'-' || ch == u'+') && (previous == u'e' || previous == u'E');
            const bool accepted = ch.isLetterOrNumber() || ch == u'.' || ch == u'_' || exponentSign;
            previous = ch;
            return accepted;
        });
        m_scan.mark(SyntaxKind::Number, from);
        setAfterOperand(true);
    }

    void name() {
        const qsizetype from = m_scan.pos();
        m_scan.skipWhile(isNameChar);
        const QStringView word = m_scan.textFrom(from);
        const bool keyword = isKeyword(word);
        if (keyword)
            m_scan.mark(SyntaxKind::Keyword, from);
        setAfterOperand(!keyword || isOperandKeyword(word));
    }

    LineScanner& m_scan;
    int m_state;
    bool m_noRegexAhead = false;
};

}  // namespace

int ScriptLexer::lex(LineScanner& scanner, int state) {
    return ScriptLineLexer(scanner, state & ((1 << kStateBits) - 1)).run();
}
