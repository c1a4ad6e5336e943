#include <QRandomGenerator>
#include <QTest>

#include "syntax/CssLexer.h"
#include "syntax/HtmlLexer.h"
#include "syntax/LineScanner.h"
#include "syntax/ScriptLexer.h"

#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <thread>

namespace {

// One letter per kind, in SyntaxKind's order. Touching stretches of one kind come as one.
constexpr char kKindLetters[] = "TNVCEDIKS#";

// The lines lexed one after the other, each coloured stretch written as [letter text]; the
// lines joined by "\n". Also checks that lexing without spans ends each line in the same state.
QString render(const QString& text) {
    QStringList lines;
    int state = HtmlLexer::kInitialState;
    for (const QString& line : text.split(u'\n')) {
        QList<SyntaxSpan> spans;
        const int end = HtmlLexer::lexLine(line, state, &spans);
        if (HtmlLexer::lexLine(line, state, nullptr) != end)
            return QStringLiteral("state differs without spans");
        state = end;
        QString out;
        int at = 0;
        for (const SyntaxSpan& span : spans) {
            out += line.mid(at, span.start - at) + u'[' +
                   QLatin1Char(kKindLetters[int(span.kind)]) + line.mid(span.start, span.length) +
                   u']';
            at = span.start + span.length;
        }
        lines.append(out + line.mid(at));
    }
    return lines.join(u'\n');
}

// Characters of every class a line can hold: all of ASCII (controls and NUL among them), and
// beyond it spaces, letters, digits, marks, format characters, private use, non-characters and
// unpaired halves of surrogate pairs.
const QString kSamples = [] {
    QString samples;
    for (char16_t ch = 0; ch < 0x80; ++ch)
        samples += QChar(ch);
    return samples +
           u"\u0085\u009f\u00a0\u00ad\u00e9\u0300\u0391\u0660\u2000\u200b\u2028"
           u"\u2029\u3000\u4e00\ue000\ufeff\ufffd\ufffe\uffff\U0001F600"_qs +
           QChar(0xd800) + QChar(0xdfff);
}();
// What half-finished markup, style sheets and scripts are made of.
const QString kMarkup = u"<>!-#\"'=/ *`&;{}:@\\[]x1escriptyl"_qs;
constexpr int kRandomLines = 3000;

struct LexCase {
    QString line;
    int state;
};

// Case n: first each sample alone from each state, then random lines of markup and samples
// from random states (some outside the range), each a function of n alone.
LexCase lexCase(int n, int stateCount) {
    const int singles = stateCount * int(kSamples.size());
    if (n < singles)
        return {QString(kSamples[n % kSamples.size()]), n / int(kSamples.size())};
    QRandomGenerator random{quint32(n)};
    QString line;
    for (int i = random.bounded(40); i > 0; --i) {
        const QString& from = random.bounded(2) == 0 ? kMarkup : kSamples;
        line += from[random.bounded(int(from.size()))];
    }
    return {line, random.bounded(stateCount + 16) - 8};
}

QString describe(const LexCase& c) {
    QString codes;
    for (QChar ch : c.line)
        codes += QString::number(ch.unicode(), 16) + u' ';
    return QStringLiteral(" from state %1 in the line [ %2]").arg(c.state).arg(codes);
}

// A lexer run over one line; says what went wrong, or nothing.
using LineCheck = QString (*)(const QString& line, int state);

QString checkSpans(const QList<SyntaxSpan>& spans, qsizetype end) {
    qsizetype at = 0;
    for (const SyntaxSpan& span : spans) {
        if (span.start < at || span.length <= 0)
            return QStringLiteral("spans overlap or are empty");
        at = span.start + span.length;
    }
    return at <= end ? QString() : QStringLiteral("a span runs past the end");
}

QString lexHtml(const QString& line, int state) {
    QList<SyntaxSpan> spans;
    const int end = HtmlLexer::lexLine(line, state, &spans);
    if (end < 0 || end >= HtmlLexer::kStateLimit)
        return QStringLiteral("state %1 out of range").arg(end);
    return checkSpans(spans, line.size());
}

// A style sheet or script lexer must reach its limit (where an end tag would start) and colour
// nothing past it.
template <int (*lex)(LineScanner&, int)>
QString lexEmbedded(const QString& line, int state) {
    QList<SyntaxSpan> spans;
    LineScanner scanner(line, &spans);
    const qsizetype limit = line.size() - line.size() / 4;
    scanner.limitTo(limit);
    lex(scanner, state);
    if (scanner.pos() != limit)
        return QStringLiteral("stopped at %1 of %2").arg(scanner.pos()).arg(limit);
    return checkSpans(spans, limit);
}

// Runs `work` on a thread of its own and waits at most `limit` for it, so that a lexer that no
// longer moves on fails the test instead of hanging it; nothing when time ran out.
std::optional<QString> withinTime(std::chrono::seconds limit, std::function<QString()> work) {
    auto result = std::make_shared<std::promise<QString>>();
    std::future<QString> done = result->get_future();
    std::thread([work, result] { result->set_value(work()); }).detach();
    if (done.wait_for(limit) != std::future_status::ready)
        return std::nullopt;
    return done.get();
}

}  // namespace

Q_DECLARE_METATYPE(LineCheck)

class TestHtmlLexer : public QObject {
    Q_OBJECT

private slots:
    void colorsEachKind_data();
    void colorsEachKind();
    void carriesStateAcrossLines_data();
    void carriesStateAcrossLines();
    void everyLexerReadsAnyLineFromAnyState_data();
    void everyLexerReadsAnyLineFromAnyState();
};

void TestHtmlLexer::colorsEachKind_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("colored");
    QTest::newRow("tag and attributes")
        << u"<a href=\"x.html\" title='t' id=top>go</a>"_qs
        << u"[T<a] [Nhref]=[V\"x.html\"] [Ntitle]=[V't'] [Nid]=[Vtop][T>]go[T</a>]"_qs;
    QTest::newRow("self-closing tag, stray quote and <")
        << u"<br/> a < b <p \"x\"/>"_qs << u"[T<br/>] a < b [T<p] [V\"x\"][T/>]"_qs;
    QTest::newRow("entities, and ampersands that are not")
        << u"&amp; &#160; &#x2014; & &; &#; R&D"_qs
        << u"[E&amp;] [E&#160;] [E&#x2014;] & &; &#; R&D"_qs;
    QTest::newRow("doctype and processing instruction")
        << u"<?xml version=\"1.0\"?><!DOCTYPE html>"_qs
        << u"[D<?xml version=\"1.0\"?><!DOCTYPE html>]"_qs;
    QTest::newRow("comment and directive")
        << u"<!-- c --> <!--#include virtual=\"/h.html\" -->"_qs
        << u"[C<!-- c -->] [I<!--#include virtual=\"/h.html\" -->]"_qs;
    QTest::newRow("script: keywords, strings, numbers, comments")
        << u"<script>var a = 'x' + 0x1F / 2.5e-3; // note"_qs
        << u"[T<script>][Kvar] a = [S'x'] + [#0x1F] / [#2.5e-3]; [C// note]"_qs;
    QTest::newRow("script: a regular expression, not a division")
        << u"<script>r = /a[/]b/g; q = r / 2 / 3; if (/x/.test(s)) return this / 2"_qs
        << u"[T<script>]r = [S/a[/]b/g]; q = r / [#2] / [#3]; [Kif] ([S/x/].test(s)) [Kreturn] [Kthis] / [#2]"_qs;
    QTest::newRow("script ends at its end tag, even inside a string")
        << u"<script>s = \"</script><b>\";"_qs << u"[T<script>]s = [S\"][T</script><b>]\";"_qs;
    QTest::newRow("a longer name is no end tag")
        << u"<script>x = '</scripts>'"_qs << u"[T<script>]x = [S'</scripts>']"_qs;
    QTest::newRow("self-closed script has no content")
        << u"<script src=a.js /><b>"_qs << u"[T<script] [Nsrc]=[Va.js] [T/><b>]"_qs;
    QTest::newRow("style: properties, numbers, colours, at-rules, selectors")
        << u"<STYLE>@import \"a.css\"; p a:hover { margin: 0 -2px 1.5em; color: #fff !important }"_qs
        << u"[T<STYLE>][K@import] [S\"a.css\"]; p a:hover { [Kmargin]: [#0] [#-2px] [#1.5em]; [Kcolor]: [##fff] [K!important] }"_qs;
}

void TestHtmlLexer::colorsEachKind() {
    QFETCH(QString, line);
    QFETCH(QString, colored);
    QCOMPARE(render(line), colored);
}

void TestHtmlLexer::carriesStateAcrossLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("colored");
    QTest::newRow("comment") << u"a <!-- one\ntwo <b>\nthree --> <i>"_qs
                             << u"a [C<!-- one]\n[Ctwo <b>]\n[Cthree -->] [T<i>]"_qs;
    QTest::newRow("directive") << u"<!--#include\nfile=\"x\" -->&lt;"_qs
                               << u"[I<!--#include]\n[Ifile=\"x\" -->][E&lt;]"_qs;
    QTest::newRow("tag with attributes on the next lines")
        << u"<td\n  class=\"c\" width=\n50\n>x"_qs
        << u"[T<td]\n  [Nclass]=[V\"c\"] [Nwidth]=\n[V50]\n[T>]x"_qs;
    QTest::newRow("attribute value over two lines")
        << u"<img alt=\"one\ntwo\" src=x>"_qs
        << u"[T<img] [Nalt]=[V\"one]\n[Vtwo\"] [Nsrc]=[Vx][T>]"_qs;
    QTest::newRow("script over lines, with a block comment and a template")
        << u"<script\ntype=\"module\">\nlet a = `one\ntwo` /* x\ny */ + 1\n</script> &amp;"_qs
        << u"[T<script]\n[Ntype]=[V\"module\"][T>]\n[Klet] a = [S`one]\n[Stwo`] [C/* x]\n[Cy */] + [#1]\n[T</script>] [E&amp;]"_qs;
    QTest::newRow("regular expression allowed after a line break")
        << u"<script>x =\n/y/"_qs << u"[T<script>]x =\n[S/y/]"_qs;
    QTest::newRow("style over lines: a group rule holds selectors, not properties")
        << u"<style>\n@media print {\n  a:hover {\n    color:red\n  }\n}\n/* one\ntwo */ b { top: 0 }\n</style>"_qs
        << u"[T<style>]\n[K@media] print {\n  a:hover {\n    [Kcolor]:red\n  }\n}\n[C/* one]\n[Ctwo */] b { [Ktop]: [#0] }\n[T</style>]"_qs;
}

void TestHtmlLexer::carriesStateAcrossLines() {
    QFETCH(QString, text);
    QFETCH(QString, colored);
    QCOMPARE(render(text), colored);
}

void TestHtmlLexer::everyLexerReadsAnyLineFromAnyState_data() {
    QTest::addColumn<LineCheck>("lex");
    QTest::addColumn<int>("stateCount");
    QTest::newRow("html") << LineCheck(&lexHtml) << HtmlLexer::kStateLimit;
    QTest::newRow("css") << LineCheck(&lexEmbedded<CssLexer::lex>) << (1 << CssLexer::kStateBits);
    QTest::newRow("script") << LineCheck(&lexEmbedded<ScriptLexer::lex>)
                            << (1 << ScriptLexer::kStateBits);
}

void TestHtmlLexer::everyLexerReadsAnyLineFromAnyState() {
    // Half-finished markup is what the lexers meet while the user types, and binary files hold
    // anything; none of it may hang, leave the line or give a state outside the range.
    QFETCH(LineCheck, lex);
    QFETCH(int, stateCount);
    const int count = stateCount * int(kSamples.size()) + kRandomLines;
    auto reached = std::make_shared<std::atomic<int>>(0);
    const auto found = withinTime(std::chrono::seconds(20), [=] {
        for (int n = 0; n < count; ++n) {
            reached->store(n);
            const LexCase c = lexCase(n, stateCount);
            if (const QString wrong = lex(c.line, c.state); !wrong.isEmpty())
                return wrong + describe(c);
        }
        return QString();
    });
    if (!found)
        QFAIL(qPrintable(u"hangs"_qs + describe(lexCase(reached->load(), stateCount))));
    QVERIFY2(found->isEmpty(), qPrintable(*found));
}

QTEST_APPLESS_MAIN(TestHtmlLexer)
#include "tst_htmllexer.moc"
