// The HTML data and what completing, closing and matching tags decide, on plain text. A "|" in a
// row's text marks the caret, a "^" the partner tag's start.
#include "html/AutoClose.h"
#include "html/CompletionContext.h"
#include "html/CompletionList.h"
#include "html/HtmlData.h"
#include "html/MarkupText.h"
#include "html/TagMatching.h"

#include <QTest>

namespace {

using Kind = CompletionContext::Kind;

// The text without its markers, and where they stood.
struct Marked {
    StringMarkupText text;
    int caret = -1;
    int partner = -1;
};

Marked marked(QString text) {
    const int caret = int(text.indexOf(u'|'));
    text.remove(caret, 1);
    const int partner = int(text.indexOf(u'^'));
    if (partner >= 0)
        text.remove(partner, 1);
    return {StringMarkupText(text), caret, partner};
}

QStringList namesOf(const QList<HtmlEntry>& entries) {
    QStringList names;
    for (const HtmlEntry& entry : entries)
        names << entry.name;
    return names;
}

}  // namespace

class TestHtmlTyping : public QObject {
    Q_OBJECT
private slots:
    void dataKnowsTheWebPlatformsFacts() {
        const HtmlData& data = HtmlData::builtIn();
        QVERIFY(data.isVoid(u"img") && data.isVoid(u"BR") && !data.isVoid(u"section"));
        QVERIFY(!data.isVoid(u"my-widget"));
        QVERIFY(namesOf(data.attributesOf(u"img")).contains(QStringLiteral("loading")));
        QVERIFY(data.valuesOf(u"input", u"type").contains(QStringLiteral("email")));
        QVERIFY(data.valuesOf(u"a", u"target").contains(QStringLiteral("_blank")));
        QVERIFY(data.element(u"img")->entry.link.endsWith(QStringLiteral("/img")));
        QVERIFY(data.element(u"param")->entry.deprecated);
        QVERIFY(data.elements().last().deprecated);
    }

    void contextAtTheCaret_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("detail");  // element, attribute, present or open elements
        QTest::newRow("element") << "<p>Hi <se|" << Kind::Element << "se"
                                 << "se";
        QTest::newRow("bare <") << "<p><|" << Kind::Element << ""
                                << "";
        QTest::newRow("end tag") << "<div><p>x</p><b>y</|" << Kind::EndTag << ""
                                 << "b div";
        QTest::newRow("attribute after a blank") << "<img src=\"a.png\" |" << Kind::Attribute << ""
                                                 << "src";
        QTest::newRow("attribute name, one after it")
            << "<a hr| title='t'>" << Kind::Attribute << "hr"
            << "title";
        QTest::newRow("attribute across lines")
            << "<img\n  src=\"x\"\n  al|" << Kind::Attribute << "al"
            << "src";
        QTest::newRow("value") << "<input type=\"em|" << Kind::Value << "em"
                               << "type";
        QTest::newRow("second word of a value")
            << "<a rel=\"noopener nor|\"" << Kind::Value << "nor"
            << "rel";
        QTest::newRow("after =") << "<a href=|" << Kind::None << ""
                                 << "";
        QTest::newRow("text after a tag") << "<p>te|" << Kind::None << ""
                                          << "";
        QTest::newRow("comment") << "<!-- <di|" << Kind::None << ""
                                 << "";
        QTest::newRow("script") << "<script>if (a <b|" << Kind::None << ""
                                << "";
        QTest::newRow("style") << "<style>a <b|" << Kind::None << ""
                               << "";
        QTest::newRow("a long tag, its start far back")
            << "<p>x</p><img title=\"" + QString(600, u'w') + "\" al|" << Kind::Attribute << "al"
            << "title";
        QTest::newRow("after a script") << "<script>x</script><di|" << Kind::Element << "di"
                                        << "di";
    }

    void contextAtTheCaret() {
        QFETCH(QString, text);
        QFETCH(Kind, kind);
        QFETCH(QString, detail);
        const Marked page = marked(text);
        const CompletionContext context = completionContextAt(page.text, page.caret);
        QCOMPARE(context.kind, kind);
        QTEST(context.typed, "typed");
        if (kind != Kind::None)
            QCOMPARE(context.replaceStart, page.caret - int(context.typed.size()));
        const QString details[] = {{},
                                   context.element,
                                   context.present.join(u' '),
                                   context.attribute,
                                   context.openElements.join(u' ')};
        QCOMPARE(details[int(kind)], kind == Kind::None ? QString() : detail);
    }

    void offersWhatFitsBestFirst() {
        const auto offered = [](const QString& text) {
            const Marked page = marked(text);
            return namesOf(completionsFor(completionContextAt(page.text, page.caret)));
        };
        QCOMPARE(offered(QStringLiteral("<sec|")).first(), QStringLiteral("section"));
        const QStringList img = offered(QStringLiteral("<img src=x |"));
        QVERIFY(img.first() == QStringLiteral("alt") && !img.contains(QStringLiteral("src")));
        // Own attributes first, global ones after; deprecated ones last though they start alike.
        QVERIFY(img.indexOf(QStringLiteral("width")) < img.indexOf(QStringLiteral("class")));
        QCOMPARE(offered(QStringLiteral("<td al|")).last(), QStringLiteral("align"));
        QVERIFY(offered(QStringLiteral("<td al|")).size() > 1);
        QCOMPARE(offered(QStringLiteral("<input type='|")).first(), QStringLiteral("hidden"));
        const QStringList closing = offered(QStringLiteral("<div><ul><li>x</|"));
        QCOMPARE(closing.mid(0, 3), (QStringList{"li", "ul", "div"}));
        QVERIFY(!closing.contains(QStringLiteral("br")));
    }

    void closesTagsAsTheyAreTyped_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("added");  // empty: nothing
        QTest::addColumn<bool>("caretAfter");
        QTest::newRow("start tag") << "<section>|"
                                   << "</section>" << false;
        QTest::newRow("\">\" in a value before") << "<a title=\"a>b\">|"
                                                 << "</a>" << false;
        QTest::newRow("script") << "<script>|"
                                << "</script>" << false;
        QTest::newRow("inside a value") << "<a title=\"x>|"
                                        << "" << false;
        QTest::newRow("void") << "<img src=\"x\">|"
                              << "" << false;
        QTest::newRow("self-closing") << "<my-icon/>|"
                                      << "" << false;
        QTest::newRow("end tag there already") << "<p>|</P>"
                                               << "" << false;
        QTest::newRow("comment") << "<!-- <p>|"
                                 << "" << false;
        QTest::newRow("in a script") << "<script>if (a <b>|"
                                     << "" << false;
        QTest::newRow("</ completes") << "<div><p>x</|"
                                      << "p>" << true;
        QTest::newRow("</ after a closed one") << "<ul><li>a</li></|"
                                               << "ul>" << true;
        QTest::newRow("</ with nothing open") << "<br></|"
                                              << "" << false;
        QTest::newRow("</ with its name there") << "<p>x</|p>"
                                                << "" << false;
    }

    void closesTagsAsTheyAreTyped() {
        QFETCH(QString, text);
        QFETCH(QString, added);
        QFETCH(bool, caretAfter);
        const Marked page = marked(text);
        const std::optional<AutoCloseEdit> edit = autoCloseAfterTyping(page.text, page.caret);
        QCOMPARE(edit, added.isEmpty() ? std::nullopt
                                       : std::optional<AutoCloseEdit>({added, caretAfter}));
    }

    void findsTheMatchingTag_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("start to end over nested") << "<d|iv><div></div>^</div>";
        QTest::newRow("end back over nested") << "^<div>a<div>b</div>c</d|iv>";
        QTest::newRow("across lines") << "|<ul>\n  <li>x</li>\n^</ul>\n";
        QTest::newRow("just after the start tag") << "<p>|text^</P>";
        QTest::newRow("script content skipped") << "<div|><script>'</div>'</script>^</div>";
        QTest::newRow("void: none") << "<br|><br>";
        QTest::newRow("unmatched: none") << "<p|>text";
        QTest::newRow("in a comment: none") << "<!-- <p|></p> -->";
        QTest::newRow("in text: none") << "<p>te|xt</p>";
    }

    void findsTheMatchingTag() {
        QFETCH(QString, text);
        const Marked page = marked(text);
        const std::optional<MatchingTags> match = findMatchingTag(page.text, page.caret);
        QCOMPARE(match ? match->partnerStart : -1, page.partner);
    }

    void searchStopsAtItsReach() {
        const QString filler(MarkupText::kSearchReach, u'x');
        const StringMarkupText near(QStringLiteral("<div>") + filler.left(1000) + "</div>");
        const StringMarkupText far(QStringLiteral("<div>") + filler + "</div>");
        QVERIFY(findMatchingTag(near, 1));
        QVERIFY(!findMatchingTag(far, 1));
        QVERIFY(!findMatchingTag(far, far.length() - 2));
    }
};

QTEST_GUILESS_MAIN(TestHtmlTyping)
#include "tst_htmltyping.moc"
