#include "syntax/FoldFinder.h"

#include "syntax/HtmlLexer.h"

#include <QList>
#include <QStringList>
#include <span>

namespace {

bool insideComment(int state) {
    return HtmlLexer::regionOf(state) == MarkupRegion::Comment;
}

// Elements that never have content, so never an end tag.
constexpr const char* kVoidElements[] = {
    "area", "base",  "br",     "col",   "embed", "hr",       "img",   "input",   "keygen",  "link",
    "meta", "param", "source", "track", "wbr",   "basefont", "frame", "isindex", "command",
};

const char* const kClosesParagraph[] = {
    "address",  "article",    "aside",  "blockquote", "details", "dialog", "div",  "dl",
    "fieldset", "figcaption", "figure", "footer",     "form",    "h1",     "h2",   "h3",
    "h4",       "h5",         "h6",     "header",     "hgroup",  "hr",     "main", "menu",
    "nav",      "ol",         "p",      "pre",        "section", "table",  "ul",
};
const char* const kClosesListItem[] = {"li"};
const char* const kClosesDefinition[] = {"dt", "dd"};
const char* const kClosesRow[] = {"tr", "tbody", "tfoot", "thead"};
const char* const kClosesCell[] = {"td", "th", "tr", "tbody", "tfoot", "thead"};
const char* const kClosesSection[] = {"tbody", "tfoot"};
const char* const kClosesOption[] = {"option", "optgroup"};
const char* const kClosesGroup[] = {"optgroup"};
const char* const kClosesRuby[] = {"rt", "rp"};

// The elements whose end tag may be left out, and the start tags that end them.
struct ImpliedEnd {
    const char* element;
    std::span<const char* const> endedBy;
};
const ImpliedEnd kImpliedEnds[] = {
    {"p", kClosesParagraph},   {"li", kClosesListItem},   {"dt", kClosesDefinition},
    {"dd", kClosesDefinition}, {"tr", kClosesRow},        {"td", kClosesCell},
    {"th", kClosesCell},       {"thead", kClosesSection}, {"tbody", kClosesSection},
    {"tfoot", kClosesSection}, {"option", kClosesOption}, {"optgroup", kClosesGroup},
    {"rt", kClosesRuby},       {"rp", kClosesRuby},
};

bool listed(std::span<const char* const> names, QStringView name) {
    for (const char* each : names) {
        if (name.compare(QLatin1StringView(each), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

const ImpliedEnd* impliedEndOf(QStringView element) {
    for (const ImpliedEnd& entry : kImpliedEnds) {
        if (element.compare(QLatin1StringView(entry.element), Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

bool isTagNameChar(QChar ch) {
    return ch.isLetterOrNumber() || ch == u'-' || ch == u':' || ch == u'_' || ch == u'.';
}

// The elements open at a place of the text, as far as a fold needs to know: the first one opened
// is the fold's, and the others only matter for where it ends.
class OpenElements {
public:
    enum class Bottom { Open, Closed, EndedBefore };

    bool isEmpty() const { return m_open.isEmpty(); }
    // What became of the first element still open when follow() was called.
    Bottom bottom() const { return m_bottom; }
    void follow() { m_bottom = Bottom::Open; }

    // Reads one line's tags from `state` on; returns the state at its end.
    int readLine(QStringView line, int state) {
        m_spans.clear();
        const int end = HtmlLexer::lexLine(line, state, &m_spans);
        for (const SyntaxSpan& span : m_spans) {
            if (span.kind == SyntaxKind::Tag)
                readTags(line.sliced(span.start, span.length));
        }
        return end;
    }

private:
    // A tag stretch holds "<name", "</name", ">" and "/>", one after another.
    void readTags(QStringView tags) {
        for (qsizetype at = 0; at < tags.size();) {
            if (tags[at] == u'<') {
                const bool endTag = at + 1 < tags.size() && tags[at + 1] == u'/';
                qsizetype name = at + (endTag ? 2 : 1);
                qsizetype after = name;
                while (after < tags.size() && isTagNameChar(tags[after]))
                    ++after;
                const QStringView element = tags.sliced(name, after - name);
                if (endTag)
                    endTagRead(element);
                else
                    startTagRead(element);
                at = after;
            } else if (tags[at] == u'/' && at + 1 < tags.size() && tags[at + 1] == u'>') {
                selfClosed();
                at += 2;
            } else {
                m_reading = false;  // ">"
                ++at;
            }
        }
    }

    void startTagRead(QStringView element) {
        // An element whose end tag may be left out ends where a sibling starts.
        while (!m_open.isEmpty()) {
            const ImpliedEnd* implied = impliedEndOf(m_open.last());
            if (!implied || !listed(implied->endedBy, element))
                break;
            pop(Bottom::EndedBefore);
        }
        m_reading = !listed(kVoidElements, element);
        if (m_reading)
            m_open.append(element.toString().toLower());
    }

    void selfClosed() {
        if (m_reading && !m_open.isEmpty())
            pop(Bottom::Closed);
        m_reading = false;
    }

    void endTagRead(QStringView element) {
        m_reading = false;
        const QString name = element.toString().toLower();
        const qsizetype at = m_open.lastIndexOf(name);
        if (at >= 0) {
            while (m_open.size() > at)
                pop(Bottom::Closed);
            return;
        }
        // It ends an element opened before the fold: so does every element open inside it that
        // may end without an end tag.
        while (!m_open.isEmpty() && impliedEndOf(m_open.last()))
            pop(Bottom::EndedBefore);
    }

    void pop(Bottom how) {
        m_open.removeLast();
        if (m_open.isEmpty() && m_bottom == Bottom::Open)
            m_bottom = how;
    }

    QStringList m_open;
    bool m_reading = false;  // a start tag is being read whose element was opened
    Bottom m_bottom = Bottom::Open;
    QList<SyntaxSpan> m_spans;
};

// The end of a comment that goes on below `header`: the first line that ends outside it.
FoldFinder::Fold commentEnd(const QTextBlock& header, int state) {
    qsizetype characters = 0;
    int lines = 0;
    for (QTextBlock block = header.next(); block.isValid(); block = block.next()) {
        characters += block.length();
        if (++lines > FoldFinder::kMaxLines || characters > FoldFinder::kMaxCharacters)
            return {FoldFinder::Outcome::TooFar, {}};
        state = HtmlLexer::lexLine(block.text(), state, nullptr);
        if (!insideComment(state))
            return {FoldFinder::Outcome::Found, block};
    }
    return {FoldFinder::Outcome::Unclosed, {}};
}

FoldFinder::Fold elementEnd(const QTextBlock& header, OpenElements& open, int state) {
    using Outcome = FoldFinder::Outcome;
    qsizetype characters = 0;
    int lines = 0;
    for (QTextBlock block = header.next(); block.isValid(); block = block.next()) {
        characters += block.length();
        if (++lines > FoldFinder::kMaxLines || characters > FoldFinder::kMaxCharacters)
            return {Outcome::TooFar, {}};
        state = open.readLine(block.text(), state);
        if (open.bottom() == OpenElements::Bottom::Closed)
            return {Outcome::Found, block};
        if (open.bottom() == OpenElements::Bottom::EndedBefore) {
            const QTextBlock last = block.previous();
            return last == header ? FoldFinder::Fold{} : FoldFinder::Fold{Outcome::Found, last};
        }
    }
    return {Outcome::Unclosed, {}};
}

}  // namespace

bool FoldFinder::opensFold(QStringView line, int startState) {
    if (line.size() > kLongLine)
        return false;
    OpenElements open;
    const int endState = open.readLine(line, startState);
    return !open.isEmpty() || (!insideComment(startState) && insideComment(endState));
}

FoldFinder::Fold FoldFinder::find(const QTextBlock& header, int startState) {
    if (!header.isValid())
        return {};
    OpenElements open;
    const QString text = header.text();
    const int state = open.readLine(text, startState);
    if (!open.isEmpty()) {
        open.follow();
        return elementEnd(header, open, state);
    }
    if (!insideComment(startState) && insideComment(state))
        return commentEnd(header, state);
    return {};
}
