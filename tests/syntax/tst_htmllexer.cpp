#include <QRandomGenerator>
#include <QTest>

#include "syntax/HtmlLexer.h"

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

}  // namespace

class TestHtmlLexer : public QObject {
    Q_OBJECT

private slots:
    void colorsEachKind_data();
    void colorsEachKind();
    void carriesStateAcrossLines_data();
    void carriesStateAcrossLines();
    void anyLineFromAnyStateEndsInAValidStateWithOrderedSpans();
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

void TestHtmlLexer::anyLineFromAnyStateEndsInAValidStateWithOrderedSpans() {
    // Half-finished markup is what the lexer meets while the user types; none of it may hang,
    // leave the line or give a state outside the range.
    const QString alphabet = u"<>!-#\"'=/ *`&;{}:@\\[]x1escriptyl\u00e9\U0001F600"_qs;
    QRandomGenerator random(16);
    for (int round = 0; round < 3000; ++round) {
        QString line;
        const int length = random.bounded(40);
        for (int i = 0; i < length; ++i)
            line += alphabet[random.bounded(alphabet.size())];
        const int state = random.bounded(HtmlLexer::kStateLimit + 16) - 8;
        QList<SyntaxSpan> spans;
        const int end = HtmlLexer::lexLine(line, state, &spans);
        QVERIFY2(end >= 0 && end < HtmlLexer::kStateLimit, qPrintable(line));
        int at = 0;
        for (const SyntaxSpan& span : spans) {
            QVERIFY2(span.start >= at && span.length > 0, qPrintable(line));
            at = span.start + span.length;
        }
        QVERIFY2(at <= line.size(), qPrintable(line));
    }
}

QTEST_APPLESS_MAIN(TestHtmlLexer)
#include "tst_htmllexer.moc"
