// The abbreviation grammar and the markup it writes, the table markup, and where an abbreviation
// starts on a line: each case a row with the exact text.
#include "html/Abbreviation.h"
#include "html/TableMarkup.h"

#include <QTest>

namespace {

// Rows give line breaks as '|' to stay one line each.
QString lines(const char* text) {
    return QString::fromUtf8(text).replace(u'|', u'\n');
}

}  // namespace

class TestAbbreviation : public QObject {
    Q_OBJECT
private slots:
    void expandsToIndentedMarkup_data() {
        QTest::addColumn<QString>("abbreviation");
        QTest::addColumn<QString>("markup");
        QTest::newRow("numbered classes, empty href")
            << "ul>li.item$*3>a[href]"
            << lines(
                   "<ul>|  <li class=\"item1\">|    <a href=\"\"></a>|  </li>|"
                   "  <li class=\"item2\">|    <a href=\"\"></a>|  </li>|"
                   "  <li class=\"item3\">|    <a href=\"\"></a>|  </li>|</ul>");
        QTest::newRow("rows of cells")
            << "table>tr*2>td*3"
            << lines(
                   "<table>|  <tr>|    <td></td>|    <td></td>|    <td></td>|  </tr>|"
                   "  <tr>|    <td></td>|    <td></td>|    <td></td>|  </tr>|</table>");
        QTest::newRow("a multiplied group, numbered text")
            << "nav>ul>(li>a[href=#]{Link $})*4"
            << lines(
                   "<nav>|  <ul>|    <li>|      <a href=\"#\">Link 1</a>|    </li>|"
                   "    <li>|      <a href=\"#\">Link 2</a>|    </li>|"
                   "    <li>|      <a href=\"#\">Link 3</a>|    </li>|"
                   "    <li>|      <a href=\"#\">Link 4</a>|    </li>|  </ul>|</nav>");
        QTest::newRow("void element, bare boolean attribute")
            << "form>label[for=e]{Email}+input#e[type=email required]"
            << lines(
                   "<form>|  <label for=\"e\">Email</label>|"
                   "  <input id=\"e\" type=\"email\" required>|</form>");
        QTest::newRow("siblings with text") << "p{Hi}+p{there}" << lines("<p>Hi</p>|<p>there</p>");
        QTest::newRow("group then siblings")
            << "div>(header>h1)+main+footer"
            << lines(
                   "<div>|  <header>|    <h1></h1>|  </header>|  <main></main>|"
                   "  <footer></footer>|</div>");
        QTest::newRow("implied names")
            << ".a>ul>.b^table>.c>.d"
            << lines(
                   "<div class=\"a\">|  <ul>|    <li class=\"b\"></li>|  </ul>|  <table>|"
                   "    <tr class=\"c\">|      <td class=\"d\"></td>|    </tr>|  </table>|</div>");
        QTest::newRow("climb twice, several classes, padded number")
            << "div>p>b^^i.x.y#n$$*2"
            << lines(
                   "<div>|  <p>|    <b></b>|  </p>|</div>|<i id=\"n01\" class=\"x y\"></i>|"
                   "<i id=\"n02\" class=\"x y\"></i>");
        QTest::newRow("quoted values, text beside children")
            << "p[title='a b' lang=\"en\"]{T}>br"
            << lines("<p title=\"a b\" lang=\"en\">|  T|  <br>|</p>");
        QTest::newRow("unknown element, bare attribute that takes a value")
            << "my-card[href]"
            << "<my-card href=\"\"></my-card>";
        QTest::newRow("starter page")
            << "!"
            << lines(
                   "<!DOCTYPE html>|<html lang=\"en\">|<head>|  <meta charset=\"utf-8\">|"
                   "  <meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">|"
                   "  <title></title>|</head>|<body></body>|</html>");
    }

    void expandsToIndentedMarkup() {
        QFETCH(QString, abbreviation);
        QFETCH(QString, markup);
        const AbbreviationExpansion expansion = expandAbbreviation(abbreviation);
        QCOMPARE(expansion.error, QString());
        QCOMPARE(writeMarkup(expansion.nodes, {}), markup);
    }

    void writesWithTheDocumentsIndentation() {
        const AbbreviationExpansion expansion = expandAbbreviation(u"ul>li");
        QCOMPARE(writeMarkup(expansion.nodes, {QStringLiteral("\t"), QStringLiteral("  ")}),
                 QStringLiteral("<ul>\n  \t<li></li>\n  </ul>"));
        QCOMPARE(indentUnitOf({"<p>", "    <b>", "\t", "   <i>"}), QStringLiteral("   "));
        QCOMPARE(indentUnitOf({"<p>", "\t<b>"}), QStringLiteral("\t"));
        QCOMPARE(indentUnitOf({"<p>"}), QStringLiteral("  "));
    }

    void refusesWithAReason_data() {
        QTest::addColumn<QString>("abbreviation");
        QTest::addColumn<QString>("reason");
        QTest::newRow("open group") << "ul>(li"
                                    << "a '(' is not closed";
        QTest::newRow("stray close") << "ul>li)"
                                     << "a ')' has no '(' before it";
        QTest::newRow("times zero") << "li*0"
                                    << "*0 is refused: multiply by 1 to 1000";
        QTest::newRow("times a hundred thousand") << "li*100000"
                                                  << "*100000 is refused: multiply by 1 to 1000";
        QTest::newRow("too many in all") << "(ul>li*1000)*11"
                                         << "it makes more than 10000 elements";
        QTest::newRow("deep children") << QString("b>").repeated(60) + "b"
                                       << "it nests deeper than 50 levels";
        QTest::newRow("deep groups") << QString("(").repeated(60) + "b" + QString(")").repeated(60)
                                     << "it nests deeper than 50 levels";
        QTest::newRow("content in a void element") << "br>p"
                                                   << "<br> takes no content";
        QTest::newRow("open brace") << "p{Hi"
                                    << "a '{' is not closed";
        QTest::newRow("open bracket") << "a[href"
                                      << "a '[' is not closed";
        QTest::newRow("trailing operator") << "ul>"
                                           << "nothing follows the '>'";
        QTest::newRow("no number") << "li*"
                                   << "'*' needs a number after it";
    }

    void refusesWithAReason() {
        QFETCH(QString, abbreviation);
        QFETCH(QString, reason);
        const AbbreviationExpansion expansion = expandAbbreviation(abbreviation);
        QCOMPARE(expansion.error, reason);
        QVERIFY(expansion.nodes.empty());
    }

    void abbreviationStartsAfterTheLastBlankOutsideBrackets_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("start");
        QTest::newRow("whole line") << "ul>li" << 0;
        QTest::newRow("after text") << "  see nav>a" << 6;
        QTest::newRow("blanks in brackets and braces") << "x a[title=\"a b\" c]{d e}" << 2;
        QTest::newRow("bracket in quotes") << "x a[title=\"]\" c]" << 2;
    }

    void abbreviationStartsAfterTheLastBlankOutsideBrackets() {
        QFETCH(QString, line);
        QFETCH(int, start);
        QCOMPARE(abbreviationStart(line, line.size()), start);
    }

    void tableMarkupHasCaptionHeaderAndBody() {
        const QString expected = lines(
            "<table>|  <caption>Prices</caption>|  <thead>|    <tr>|"
            "      <th scope=\"col\"></th>|      <th scope=\"col\"></th>|    </tr>|  </thead>|"
            "  <tbody>|    <tr>|      <td></td>|      <td></td>|    </tr>|  </tbody>|</table>");
        QCOMPARE(writeMarkup(tableMarkup({1, 2, true, QStringLiteral("Prices")}), {}), expected);
    }
};

QTEST_GUILESS_MAIN(TestAbbreviation)
#include "tst_abbreviation.moc"
