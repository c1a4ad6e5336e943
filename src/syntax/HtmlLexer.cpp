#include "syntax/HtmlLexer.h"

#include "syntax/CssLexer.h"
#include "syntax/LineScanner.h"
#include "syntax/ScriptLexer.h"

namespace {

// Where the lexer stands between two characters.
enum class Mode : int {
    Text,
    InTag,        // after a tag's name: attributes, then ">"
    AfterEquals,  // after an attribute's "=": its value may start on the next line
    ValueDouble,  // inside a "..." attribute value
    ValueSingle,  // inside a '...' attribute value
    Comment,      // inside <!-- ... -->
    Directive,    // inside <!--# ... -->
    Declaration,  // inside <!...> or <?...?>
    Style,        // inside a <style> element
    Script,       // inside a <script> element
};

// The element a start tag opens, when its content is style sheet or script text.
enum class RawText : int { None, Style, Script };

constexpr int kModeBits = 4;
constexpr int kRawBits = 2;
constexpr int kSubShift = kModeBits + kRawBits;
static_assert(CssLexer::kStateBits <= 14 - kSubShift && ScriptLexer::kStateBits <= 14 - kSubShift);

struct State {
    Mode mode = Mode::Text;
    RawText raw = RawText::None;  // what the tag being read opens
    int sub = 0;                  // the style sheet or script lexer's own state

    static State unpack(int packed) {
        State state{Mode(packed & ((1 << kModeBits) - 1)),
                    RawText((packed >> kModeBits) & ((1 << kRawBits) - 1)),
                    (packed >> kSubShift) & ((1 << (14 - kSubShift)) - 1)};
        // Only this file makes states; anything else starts afresh rather than misbehave.
        if (packed < 0 || state.mode > Mode::Script || state.raw > RawText::Script)
            return State{};
        return state;
    }
    int pack() const { return int(mode) | int(raw) << kModeBits | sub << kSubShift; }
};

bool isAsciiLetter(QChar ch) {
    return (ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z');
}

bool isAsciiDigit(QChar ch) {
    return ch >= u'0' && ch <= u'9';
}

bool isTagNameChar(QChar ch) {
    return isAsciiLetter(ch) || isAsciiDigit(ch) || ch == u'-' || ch == u':' || ch == u'_' ||
           ch == u'.';
}

bool isAttributeNameChar(QChar ch) {
    return !ch.isSpace() && ch != u'>' && ch != u'/' && ch != u'=' && ch != u'"' && ch != u'\'' &&
           ch != u'<';
}

// Where the end tag of a <style> or <script> element starts in `line` from `from` on, or -1.
// As browsers do, it ends the element wherever it stands, even inside a string or comment.
qsizetype findEndTag(QStringView line, qsizetype from, QLatin1StringView endTag) {
    for (qsizetype at = line.indexOf(endTag, from, Qt::CaseInsensitive); at >= 0;
         at = line.indexOf(endTag, at + 1, Qt::CaseInsensitive)) {
        const qsizetype after = at + endTag.size();
        if (after == line.size() || line[after].isSpace() || line[after] == u'>' ||
            line[after] == u'/')
            return at;
    }
    return -1;
}

// Lexes one line of HTML; hands style sheet and script text to their own lexers.
class HtmlLineLexer {
public:
    HtmlLineLexer(LineScanner& scanner, State state) : m_scan(scanner), m_state(state) {}

    State run() {
        while (!m_scan.atEnd())
            step();
        return m_state;
    }

private:
    void step() {
        switch (m_state.mode) {
            case Mode::Text:
                return text();
            case Mode::InTag:
                return inTag();
            case Mode::AfterEquals:
                return afterEquals();
            case Mode::ValueDouble:
                return quotedValue(u'"', false);
            case Mode::ValueSingle:
                return quotedValue(u'\'', false);
            case Mode::Comment:
                return untilClosed(SyntaxKind::Comment, QLatin1StringView("-->"));
            case Mode::Directive:
                return untilClosed(SyntaxKind::Directive, QLatin1StringView("-->"));
            case Mode::Declaration:
                return untilClosed(SyntaxKind::Doctype, QLatin1StringView(">"));
            case Mode::Style:
                return rawText(QLatin1StringView("</style"), CssLexer::lex);
            case Mode::Script:
                return rawText(QLatin1StringView("</script"), ScriptLexer::lex);
        }
    }

    void text() {
        m_scan.skipWhile([](QChar ch) { return ch != u'<' && ch != u'&'; });
        if (m_scan.atEnd())
            return;
        if (m_scan.peek() == u'&')
            return entity();
        markupStart();
    }

    // &name; &#123; &#x1F; — anything else is a plain ampersand.
    void entity() {
        const qsizetype from = m_scan.pos();
        m_scan.advance();
        const bool numeric = m_scan.peek() == u'#';
        const bool hex = numeric && (m_scan.peek(1) == u'x' || m_scan.peek(1) == u'X');
        m_scan.advance(numeric ? (hex ? 2 : 1) : 0);
        const qsizetype nameStart = m_scan.pos();
        m_scan.skipWhile([numeric, hex](QChar ch) {
            const bool hexLetter = (ch >= u'a' && ch <= u'f') || (ch >= u'A' && ch <= u'F');
            return isAsciiDigit(ch) || (hex && hexLetter) || (!numeric && isAsciiLetter(ch));
        });
        if (m_scan.pos() > nameStart && m_scan.peek() == u';') {
            m_scan.advance();
            m_scan.mark(SyntaxKind::Entity, from);
        }
    }

    // At a "<": a tag, a comment, a directive, a declaration, or a plain "<".
    void markupStart() {
        const qsizetype from = m_scan.pos();
        if (m_scan.lookingAt(QLatin1StringView("<!--#"))) {
            m_scan.advance(5);
            return enter(Mode::Directive, SyntaxKind::Directive, from);
        }
        if (m_scan.lookingAt(QLatin1StringView("<!--"))) {
            m_scan.advance(4);
            return enter(Mode::Comment, SyntaxKind::Comment, from);
        }
        if (m_scan.peek(1) == u'!' || m_scan.peek(1) == u'?') {
            m_scan.advance(2);
            return enter(Mode::Declaration, SyntaxKind::Doctype, from);
        }
        const bool endTag = m_scan.peek(1) == u'/';
        if (!isAsciiLetter(m_scan.peek(endTag ? 2 : 1))) {
            m_scan.advance();
            return;
        }
        m_scan.advance(endTag ? 2 : 1);
        const qsizetype nameStart = m_scan.pos();
        m_scan.skipWhile(isTagNameChar);
        m_scan.mark(SyntaxKind::Tag, from);
        m_state.mode = Mode::InTag;
        m_state.raw = endTag ? RawText::None : rawTextOf(m_scan.textFrom(nameStart));
    }

    static RawText rawTextOf(QStringView name) {
        if (name.compare(QLatin1StringView("style"), Qt::CaseInsensitive) == 0)
            return RawText::Style;
        if (name.compare(QLatin1StringView("script"), Qt::CaseInsensitive) == 0)
            return RawText::Script;
        return RawText::None;
    }

    void enter(Mode mode, SyntaxKind kind, qsizetype from) {
        m_scan.mark(kind, from);
        m_state.mode = mode;
    }

    // A comment, directive or declaration: everything up to and including `close`.
    void untilClosed(SyntaxKind kind, QLatin1StringView close) {
        const qsizetype from = m_scan.pos();
        if (m_scan.skipPast(close))
            m_state.mode = Mode::Text;
        m_scan.mark(kind, from);
    }

    void inTag() {
        m_scan.skipWhile([](QChar ch) { return ch.isSpace(); });
        // The end of the line, not a null character: peek() gives one for both, and a NUL in
        // a tag is an attribute name's character like any other.
        if (m_scan.atEnd())
            return;
        const qsizetype from = m_scan.pos();
        const QChar ch = m_scan.peek();
        if (ch == u'>' || (ch == u'/' && m_scan.peek(1) == u'>'))
            return tagEnd(ch == u'/');
        if (ch == u'<') {
            m_state.mode = Mode::Text;  // an unclosed tag: the next one starts here
            return;
        }
        if (ch == u'=') {
            m_scan.advance();
            m_state.mode = Mode::AfterEquals;
            return;
        }
        if (ch == u'"' || ch == u'\'')
            return quotedValue(ch, true);
        m_scan.skipWhile(isAttributeNameChar);
        if (m_scan.pos() == from)
            m_scan.advance();  // a stray "/"
        else
            m_scan.mark(SyntaxKind::AttributeName, from);
    }

    void tagEnd(bool selfClosing) {
        const qsizetype from = m_scan.pos();
        m_scan.advance(selfClosing ? 2 : 1);
        m_scan.mark(SyntaxKind::Tag, from);
        m_state.mode = Mode::Text;
        if (!selfClosing && m_state.raw == RawText::Style)
            m_state.mode = Mode::Style;
        else if (!selfClosing && m_state.raw == RawText::Script)
            m_state.mode = Mode::Script;
        m_state.raw = RawText::None;
        m_state.sub = 0;
    }

    void afterEquals() {
        m_scan.skipWhile([](QChar ch) { return ch.isSpace(); });
        if (m_scan.atEnd())
            return;
        const QChar ch = m_scan.peek();
        const qsizetype from = m_scan.pos();
        m_state.mode = Mode::InTag;
        if (ch == u'"' || ch == u'\'')
            return quotedValue(ch, true);
        if (ch == u'>')
            return;
        m_scan.skipWhile([](QChar c) { return !c.isSpace() && c != u'>'; });
        m_scan.mark(SyntaxKind::AttributeValue, from);
    }

    // A quoted value from its opening quote, or its continuation from a line above.
    void quotedValue(QChar quote, bool opening) {
        const qsizetype from = m_scan.pos();
        if (opening)
            m_scan.advance();
        m_scan.skipWhile([quote](QChar ch) { return ch != quote; });
        const bool closed = !m_scan.atEnd();
        if (closed)
            m_scan.advance();
        m_scan.mark(SyntaxKind::AttributeValue, from);
        m_state.mode =
            closed ? Mode::InTag : (quote == u'"' ? Mode::ValueDouble : Mode::ValueSingle);
    }

    // Style sheet or script text up to the element's end tag, which the HTML lexer then reads.
    void rawText(QLatin1StringView endTag, int (*lexer)(LineScanner&, int)) {
        const qsizetype end = findEndTag(m_scan.line(), m_scan.pos(), endTag);
        if (end >= 0)
            m_scan.limitTo(end);
        m_state.sub = lexer(m_scan, m_state.sub);
        m_scan.clearLimit();
        if (end >= 0) {
            m_state.mode = Mode::Text;
            m_state.sub = 0;
        }
    }

    LineScanner& m_scan;
    State m_state;
};

}  // namespace

int HtmlLexer::lexLine(QStringView line, int state, QList<SyntaxSpan>* spans) {
    LineScanner scanner(line, spans);
    return HtmlLineLexer(scanner, State::unpack(state)).run().pack();
}

MarkupRegion HtmlLexer::regionOf(int state) {
    switch (State::unpack(state).mode) {
        case Mode::Text:
            return MarkupRegion::Text;
        case Mode::InTag:
        case Mode::AfterEquals:
            return MarkupRegion::Tag;
        case Mode::ValueDouble:
        case Mode::ValueSingle:
            return MarkupRegion::AttributeValue;
        case Mode::Comment:
        case Mode::Directive:
            return MarkupRegion::Comment;
        case Mode::Declaration:
            return MarkupRegion::Declaration;
        case Mode::Style:
            return MarkupRegion::Style;
        case Mode::Script:
            return MarkupRegion::Script;
    }
    return MarkupRegion::Text;
}
