#include "syntax/CssLexer.h"

#include "syntax/LineScanner.h"

namespace {

// The state's bits.
constexpr int kInComment = 1 << 0;
constexpr int kDepthShift = 1;  // two bits: how deep in braces, up to 3
constexpr int kDepthMask = 3 << kDepthShift;
constexpr int kInGroup = 1 << 3;  // the outer block is a group at-rule's (@media): it holds rules
constexpr int kGroupPending = 1 << 4;  // a group at-rule was read; its "{" has not come yet
constexpr int kInValue = 1 << 5;       // after a property's ":", before its ";"

// At-rules whose block holds rules with selectors rather than declarations.
const QLatin1StringView kGroupRules[] = {
    QLatin1StringView("media"),     QLatin1StringView("supports"), QLatin1StringView("document"),
    QLatin1StringView("container"), QLatin1StringView("layer"),
};

bool isNameChar(QChar ch) {
    return ch.isLetterOrNumber() || ch == u'-' || ch == u'_';
}

bool isDigit(QChar ch) {
    return ch >= u'0' && ch <= u'9';
}

bool isHexDigit(QChar ch) {
    return isDigit(ch) || (ch >= u'a' && ch <= u'f') || (ch >= u'A' && ch <= u'F');
}

class CssLineLexer {
public:
    CssLineLexer(LineScanner& scanner, int state) : m_scan(scanner), m_state(state) {}

    int run() {
        while (!m_scan.atEnd())
            step();
        return m_state;
    }

private:
    int depth() const { return (m_state & kDepthMask) >> kDepthShift; }
    void setDepth(int depth) { m_state = (m_state & ~kDepthMask) | depth << kDepthShift; }
    void set(int bit, bool on) { m_state = on ? m_state | bit : m_state & ~bit; }
    // Inside a block of declarations rather than of rules.
    bool inDeclarations() const { return depth() > ((m_state & kInGroup) ? 1 : 0); }

    void step() {
        if (m_state & kInComment)
            return comment(m_scan.pos());
        const QChar ch = m_scan.peek();
        const qsizetype from = m_scan.pos();
        if (ch == u'/' && m_scan.peek(1) == u'*') {
            m_scan.advance(2);
            return comment(from);
        }
        if (ch == u'"' || ch == u'\'')
            return string(ch);
        if (isDigit(ch) || ((ch == u'.' || ch == u'-') && isDigit(m_scan.peek(1))))
            return number();
        if (ch == u'#' && (m_state & kInValue))
            return hexColor();
        if (ch == u'@')
            return atRule();
        if (ch == u'!' && m_scan.lookingAt(QLatin1StringView("!important"), Qt::CaseInsensitive)) {
            m_scan.advance(10);
            return m_scan.mark(SyntaxKind::Keyword, from);
        }
        if (isNameChar(ch))
            return name();
        punctuation(ch);
    }

    void comment(qsizetype from) {
        set(kInComment, !m_scan.skipPast(QLatin1StringView("*/")));
        m_scan.mark(SyntaxKind::Comment, from);
    }

    // A string ends at its closing quote or with the line.
    void string(QChar quote) {
        const qsizetype from = m_scan.pos();
        m_scan.advance();
        while (!m_scan.atEnd() && m_scan.peek() != quote)
            m_scan.advance(m_scan.peek() == u'\\' ? 2 : 1);
        m_scan.advance();
        m_scan.mark(SyntaxKind::String, from);
    }

    // 12, 1.5em, 50%: the unit belongs to the number.
    void number() {
        const qsizetype from = m_scan.pos();
        m_scan.advance();  // a digit, or the "." or "-" before one
        m_scan.skipWhile([](QChar ch) { return isDigit(ch) || ch == u'.'; });
        if (m_scan.peek() == u'%')
            m_scan.advance();
        else
            m_scan.skipWhile([](QChar ch) { return ch.isLetter(); });
        m_scan.mark(SyntaxKind::Number, from);
    }

    void hexColor() {
        const qsizetype from = m_scan.pos();
        m_scan.advance();
        m_scan.skipWhile(isHexDigit);
        m_scan.mark(SyntaxKind::Number, from);
    }

    void atRule() {
        const qsizetype from = m_scan.pos();
        m_scan.advance();
        m_scan.skipWhile(isNameChar);
        m_scan.mark(SyntaxKind::Keyword, from);
        if (depth() > 0)
            return;
        const QStringView name = m_scan.textFrom(from + 1);
        for (QLatin1StringView group : kGroupRules) {
            if (name.compare(group, Qt::CaseInsensitive) == 0)
                set(kGroupPending, true);
        }
    }

    // A property name is a name that starts a declaration and is followed by ":".
    void name() {
        const qsizetype from = m_scan.pos();
        m_scan.skipWhile(isNameChar);
        if ((m_state & kInValue) || !inDeclarations())
            return;
        qsizetype ahead = 0;
        while (m_scan.peek(ahead).isSpace())
            ++ahead;
        if (m_scan.peek(ahead) == u':')
            m_scan.mark(SyntaxKind::Keyword, from);
    }

    void punctuation(QChar ch) {
        m_scan.advance();
        if (ch == u'{') {
            if (depth() == 0 && (m_state & kGroupPending))
                set(kInGroup, true);
            set(kGroupPending, false);
            setDepth(qMin(depth() + 1, 3));
            set(kInValue, false);
        } else if (ch == u'}') {
            setDepth(qMax(depth() - 1, 0));
            if (depth() == 0)
                set(kInGroup, false);
            set(kInValue, false);
        } else if (ch == u';') {
            set(kInValue, false);
            set(kGroupPending, false);
        } else if (ch == u':' && inDeclarations()) {
            set(kInValue, true);
        }
    }

    LineScanner& m_scan;
    int m_state;
};

}  // namespace

int CssLexer::lex(LineScanner& scanner, int state) {
    return CssLineLexer(scanner, state & ((1 << kStateBits) - 1)).run();
}
