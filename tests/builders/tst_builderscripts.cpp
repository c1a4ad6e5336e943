#include "builders/BuilderScripts.h"
#include "tags/ColorText.h"

#include <QtTest>

Q_DECLARE_METATYPE(AnchorFields)
Q_DECLARE_METATYPE(HorizontalRuleFields)
Q_DECLARE_METATYPE(ListFields)
Q_DECLARE_METATYPE(ListItemFields)
Q_DECLARE_METATYPE(TableFields)
Q_DECLARE_METATYPE(TableRowFields)
Q_DECLARE_METATYPE(TableDataFields)
Q_DECLARE_METATYPE(ImageFields)
Q_DECLARE_METATYPE(QuickPageFields)

namespace {

const QString kTableEnd = QStringLiteral("</table>{home}{up}{end}");

QStringList page(const QStringList& head, const QStringList& bodyAttributes) {
    QStringList pieces{"<!DOCTYPE HTML PUBLIC +'-//W3C//DTD HTML 3.2 Final//EN+'>~~", "<html>~~",
                       "<head>~~"};
    pieces << head << "</head>~~"
           << "<body" << bodyAttributes << ">~~~~~~~~~~~"
           << "</body>~~"
           << "</html>";
    return pieces;
}

}  // namespace

class BuilderScriptsTest : public QObject {
    Q_OBJECT

private slots:
    void anchor_data();
    void anchor();
    void horizontalRule_data();
    void horizontalRule();
    void list_data();
    void list();
    void listItem_data();
    void listItem();
    void table_data();
    void table();
    void tableRow_data();
    void tableRow();
    void tableData_data();
    void tableData();
    void image_data();
    void image();
    void quickPage_data();
    void quickPage();
    void colorText_data();
    void colorText();
};

void BuilderScriptsTest::anchor_data() {
    QTest::addColumn<AnchorFields>("fields");
    QTest::addColumn<QStringList>("pieces");

    QTest::newRow("empty link") << AnchorFields{.kind = AnchorKind::Href}
                                << QStringList{"<a href=+'+'></a>{left 4}"};
    QTest::newRow("named anchor") << AnchorFields{.kind = AnchorKind::Name, .text = "index.html"}
                                  << QStringList{"<a Name=+'index.html+'></a>{left 4}"};
    QTest::newRow("mail link") << AnchorFields{.kind = AnchorKind::Mailto, .text = "webmaster"}
                               << QStringList{"<a href=+'Mailto:webmaster+'></a>{left 4}"};
    QTest::newRow("tilde arrives as typed")
        << AnchorFields{.kind = AnchorKind::Href, .text = "/~user/"}
        << QStringList{"<a href=+'/{~}user/+'></a>{left 4}"};
    QTest::newRow("script characters arrive as typed")
        << AnchorFields{.kind = AnchorKind::Href, .text = "a+b%20(c)^{d}"}
        << QStringList{"<a href=+'a{+}b{%}20{(}c{)}{^}{{}d{}}+'></a>{left 4}"};
    QTest::newRow("blanks kept") << AnchorFields{.kind = AnchorKind::Name, .text = " top "}
                                 << QStringList{"<a Name=+' top +'></a>{left 4}"};
}

void BuilderScriptsTest::anchor() {
    QFETCH(AnchorFields, fields);
    QFETCH(QStringList, pieces);
    QCOMPARE(anchorScript(fields), pieces);
}

void BuilderScriptsTest::horizontalRule_data() {
    QTest::addColumn<HorizontalRuleFields>("fields");
    QTest::addColumn<QStringList>("pieces");

    QTest::newRow("untouched") << HorizontalRuleFields{} << QStringList{"<hr", ">"};
    QTest::newRow("everything, size in pixels")
        << HorizontalRuleFields{.alignIndex = 2,
                                .noshade = true,
                                .size = "5",
                                .sizeInPixels = true,
                                .width = "50"}
        << QStringList{"<hr",         " align=+'center+'", " noshade",
                       " size=+'5+'", " width=+'50{%}+'",  ">"};
    QTest::newRow("size is a percentage by default")
        << HorizontalRuleFields{.size = "3"} << QStringList{"<hr", " size=+'3{%}+'", ">"};
    QTest::newRow("none chosen gives no align")
        << HorizontalRuleFields{.alignIndex = 0} << QStringList{"<hr", ">"};
    QTest::newRow("left") << HorizontalRuleFields{.alignIndex = 1}
                          << QStringList{"<hr", " align=+'left+'", ">"};
    QTest::newRow("right") << HorizontalRuleFields{.alignIndex = 3}
                           << QStringList{"<hr", " align=+'right+'", ">"};
    QTest::newRow("fractional size as typed")
        << HorizontalRuleFields{.size = "7.5", .sizeInPixels = true}
        << QStringList{"<hr", " size=+'7.5+'", ">"};
    QTest::newRow("text size as typed") << HorizontalRuleFields{.size = "abc", .sizeInPixels = true}
                                        << QStringList{"<hr", " size=+'abc+'", ">"};
    QTest::newRow("width in pixels") << HorizontalRuleFields{.width = "320", .widthInPixels = true}
                                     << QStringList{"<hr", " width=+'320+'", ">"};
}

void BuilderScriptsTest::horizontalRule() {
    QFETCH(HorizontalRuleFields, fields);
    QFETCH(QStringList, pieces);
    QCOMPARE(horizontalRuleScript(fields), pieces);
}

void BuilderScriptsTest::list_data() {
    QTest::addColumn<ListFields>("fields");
    QTest::addColumn<QStringList>("pieces");

    const QString end = QStringLiteral("></ol>{left 5}");
    QTest::newRow("untouched") << ListFields{.kind = ListKind::Ordered, .startNumber = "1"}
                               << QStringList{"<ol", " start=+'1+'", end};
    QTest::newRow("roman, no start, compact")
        << ListFields{.kind = ListKind::Ordered, .numberingIndex = 4, .compact = true}
        << QStringList{"<ol", " type=+'i+'", " compact", end};
    QTest::newRow("None chosen with start 3")
        << ListFields{.kind = ListKind::Ordered, .numberingIndex = 0, .startNumber = "3"}
        << QStringList{"<ol", " start=+'3+'", end};
    QTest::newRow("arabic") << ListFields{.kind = ListKind::Ordered, .numberingIndex = 1}
                            << QStringList{"<ol", " type=+'1+'", end};
    QTest::newRow("lower alpha") << ListFields{.kind = ListKind::Ordered, .numberingIndex = 2}
                                 << QStringList{"<ol", " type=+'a+'", end};
    QTest::newRow("upper alpha") << ListFields{.kind = ListKind::Ordered, .numberingIndex = 3}
                                 << QStringList{"<ol", " type=+'A+'", end};
    QTest::newRow("upper roman") << ListFields{.kind = ListKind::Ordered, .numberingIndex = 5}
                                 << QStringList{"<ol", " type=+'I+'", end};
    QTest::newRow("emptied start")
        << ListFields{.kind = ListKind::Ordered} << QStringList{"<ol", end};
    QTest::newRow("start as typed") << ListFields{.kind = ListKind::Ordered, .startNumber = "2a"}
                                    << QStringList{"<ol", " start=+'2a+'", end};
    QTest::newRow("start with braces")
        << ListFields{.kind = ListKind::Ordered, .startNumber = "{1}"}
        << QStringList{"<ol", " start=+'{{}1{}}+'", end};
    QTest::newRow("unordered square compact")
        << ListFields{.kind = ListKind::Unordered, .bulletIndex = 1, .compact = true}
        << QStringList{"<ul", " type=square", " compact", "></ul>{left 5}"};
    QTest::newRow("unordered disc") << ListFields{.kind = ListKind::Unordered, .bulletIndex = 0}
                                    << QStringList{"<ul", " type=disc", "></ul>{left 5}"};
    QTest::newRow("unordered circle") << ListFields{.kind = ListKind::Unordered, .bulletIndex = 2}
                                      << QStringList{"<ul", " type=circle", "></ul>{left 5}"};
    QTest::newRow("unordered ignores numbering and start")
        << ListFields{.kind = ListKind::Unordered, .numberingIndex = 3, .startNumber = "4"}
        << QStringList{"<ul", "></ul>{left 5}"};
    QTest::newRow("definition whatever was set") << ListFields{.kind = ListKind::Definition,
                                                               .numberingIndex = 2,
                                                               .startNumber = "5",
                                                               .bulletIndex = 1,
                                                               .compact = true}
                                                 << QStringList{"<dl", "></dl>{left 5}"};
}

void BuilderScriptsTest::list() {
    QFETCH(ListFields, fields);
    QFETCH(QStringList, pieces);
    QCOMPARE(listScript(fields), pieces);
}

void BuilderScriptsTest::listItem_data() {
    QTest::addColumn<ListItemFields>("fields");
    QTest::addColumn<QStringList>("pieces");

    QTest::newRow("untouched with Apple")
        << ListItemFields{.kind = ListItemKind::Ordered, .value = "1", .text = "Apple"}
        << QStringList{"<li", " value=+'1+'", ">Apple</li>{left 5}"};
    QTest::newRow("empty text, no value")
        << ListItemFields{.kind = ListItemKind::Ordered} << QStringList{"<li", "></li>{left 5}"};
    QTest::newRow("upper alpha, value 4")
        << ListItemFields{.kind = ListItemKind::Ordered,
                          .numberingIndex = 3,
                          .value = "4",
                          .text = "x"}
        << QStringList{"<li", " type=+'A+'", " value=+'4+'", ">x</li>{left 5}"};
    QTest::newRow("none numbering")
        << ListItemFields{.kind = ListItemKind::Ordered, .numberingIndex = 0, .text = "x"}
        << QStringList{"<li", ">x</li>{left 5}"};
    QTest::newRow("unordered circle")
        << ListItemFields{.kind = ListItemKind::Unordered, .bulletIndex = 3, .text = "x"}
        << QStringList{"<li", " type=circle", ">x</li>{left 5}"};
    QTest::newRow("unordered disc")
        << ListItemFields{.kind = ListItemKind::Unordered, .bulletIndex = 1, .text = "x"}
        << QStringList{"<li", " type=disc", ">x</li>{left 5}"};
    QTest::newRow("unordered none")
        << ListItemFields{.kind = ListItemKind::Unordered, .bulletIndex = 0, .text = "x"}
        << QStringList{"<li", ">x</li>{left 5}"};
    QTest::newRow("term") << ListItemFields{.kind = ListItemKind::Term, .text = "Pear"}
                          << QStringList{"<dt", ">Pear</dt>{left 5}"};
    QTest::newRow("definition") << ListItemFields{.kind = ListItemKind::Definition,
                                                  .numberingIndex = 2,
                                                  .value = "3",
                                                  .bulletIndex = 2,
                                                  .text = "fruit"}
                                << QStringList{"<dd", ">fruit</dd>{left 5}"};
    QTest::newRow("caret keys in the text arrive as typed")
        << ListItemFields{.kind = ListItemKind::Term, .text = "{left 2}"}
        << QStringList{"<dt", ">{{}left 2{}}</dt>{left 5}"};
    QTest::newRow("line breaks arrive as line breaks")
        << ListItemFields{.kind = ListItemKind::Definition, .text = "one\ntwo"}
        << QStringList{"<dd", ">one~two</dd>{left 5}"};
}

void BuilderScriptsTest::listItem() {
    QFETCH(ListItemFields, fields);
    QFETCH(QStringList, pieces);
    QCOMPARE(listItemScript(fields), pieces);
}

void BuilderScriptsTest::table_data() {
    QTest::addColumn<TableFields>("fields");
    QTest::addColumn<QStringList>("pieces");

    QTest::newRow("untouched") << TableFields{} << QStringList{"<table", ">~", "~", kTableEnd};
    QTest::newRow("caption alignment without caption")
        << TableFields{.captionAlignIndex = 2} << QStringList{"<table", ">~", "~", kTableEnd};
    QTest::newRow("none alignment")
        << TableFields{.alignIndex = 0} << QStringList{"<table", ">~", "~", kTableEnd};
    QTest::newRow("width in percent")
        << TableFields{.width = "50"}
        << QStringList{"<table", " width=\"50{%}\"", ">~", "~", kTableEnd};
    QTest::newRow("width in pixels")
        << TableFields{.width = "50", .widthInPixels = true}
        << QStringList{"<table", " width=\"50\"", ">~", "~", kTableEnd};
    QTest::newRow("fixed attribute order")
        << TableFields{.alignIndex = 2,
                       .border = "1",
                       .cellspacing = "2",
                       .cellpadding = "3",
                       .width = "80",
                       .caption = "Prices",
                       .captionAlignIndex = 1}
        << QStringList{"<table",
                       " align=+'center+'",
                       " border=\"1\"",
                       " cellspacing=\"2\"",
                       " cellpadding=\"3\"",
                       " width=\"80{%}\"",
                       ">~",
                       "<caption align=+'top+'>Prices</caption>~~",
                       kTableEnd};
    QTest::newRow("caption at the bottom")
        << TableFields{.alignIndex = 3, .caption = "Q(1)", .captionAlignIndex = 2}
        << QStringList{"<table", " align=+'right+'", ">~",
                       "<caption align=+'bottom+'>Q{(}1{)}"
                       "</caption>~~",
                       kTableEnd};
    QTest::newRow("caption without alignment")
        << TableFields{.alignIndex = 1, .caption = "Prices", .captionAlignIndex = 0}
        << QStringList{"<table", " align=+'left+'", ">~", "<caption>Prices</caption>~~", kTableEnd};
    QTest::newRow("unrewritten text as typed")
        << TableFields{.border = "12.4"}
        << QStringList{"<table", " border=\"12.4\"", ">~", "~", kTableEnd};
}

void BuilderScriptsTest::table() {
    QFETCH(TableFields, fields);
    QFETCH(QStringList, pieces);
    QCOMPARE(tableScript(fields), pieces);
}

void BuilderScriptsTest::tableRow_data() {
    QTest::addColumn<TableRowFields>("fields");
    QTest::addColumn<QStringList>("pieces");

    QTest::newRow("untouched") << TableRowFields{} << QStringList{"<tr", "></tr>{left 5}"};
    QTest::newRow("center and top")
        << TableRowFields{.align = "center", .valign = "top"}
        << QStringList{"<tr", " align=\"center\"", " valign=\"top\"", "></tr>{left 5}"};
    QTest::newRow("typed by hand") << TableRowFields{.align = "justify"}
                                   << QStringList{"<tr", " align=\"justify\"", "></tr>{left 5}"};
    QTest::newRow("a blank counts")
        << TableRowFields{.align = " "} << QStringList{"<tr", " align=\" \"", "></tr>{left 5}"};
    QTest::newRow("valign alone") << TableRowFields{.valign = "bottom"}
                                  << QStringList{"<tr", " valign=\"bottom\"", "></tr>{left 5}"};
}

void BuilderScriptsTest::tableRow() {
    QFETCH(TableRowFields, fields);
    QFETCH(QStringList, pieces);
    QCOMPARE(tableRowScript(fields), pieces);
}

void BuilderScriptsTest::tableData_data() {
    QTest::addColumn<TableDataFields>("fields");
    QTest::addColumn<QStringList>("pieces");

    QTest::newRow("untouched") << TableDataFields{} << QStringList{"<td", "></td>{left 5}"};
    QTest::newRow("header with nowrap")
        << TableDataFields{.header = true, .nowrap = true, .data = "Name"}
        << QStringList{"<th", " nowrap", ">Name</th>{left 5}"};
    QTest::newRow("fixed attribute order") << TableDataFields{.rowspan = "2",
                                                              .colspan = "3",
                                                              .align = "left",
                                                              .valign = "middle",
                                                              .width = "100",
                                                              .height = "50",
                                                              .nowrap = true,
                                                              .data = "x"}
                                           << QStringList{"<td",
                                                          " rowspan=\"2\"",
                                                          " colspan=\"3\"",
                                                          " align=\"left\"",
                                                          " valign=\"middle\"",
                                                          " width=\"100\"",
                                                          " height=\"50\"",
                                                          " nowrap",
                                                          ">x</td>{left 5}"};
    QTest::newRow("content as typed")
        << TableDataFields{.data = "5%"} << QStringList{"<td", ">5{%}</td>{left 5}"};
}

void BuilderScriptsTest::tableData() {
    QFETCH(TableDataFields, fields);
    QFETCH(QStringList, pieces);
    QCOMPARE(tableDataScript(fields), pieces);
}

void BuilderScriptsTest::image_data() {
    QTest::addColumn<ImageFields>("fields");
    QTest::addColumn<QStringList>("pieces");

    QTest::newRow("untouched") << ImageFields{} << QStringList{"<img src=+'+'", ">"};
    QTest::newRow("fixed attribute order") << ImageFields{.file = "a.gif",
                                                          .description = "Logo",
                                                          .ismap = true,
                                                          .alignIndex = 2,
                                                          .width = "40",
                                                          .height = "30",
                                                          .border = "2",
                                                          .hspace = "5",
                                                          .vspace = "6"}
                                           << QStringList{"<img src=+'a.gif+'",
                                                          " alt=+'Logo+'",
                                                          " ismap",
                                                          " align=+'middle+'",
                                                          " width=+'40+'",
                                                          " height=+'30+'",
                                                          " border=+'2+'",
                                                          " hspace=+'5+'",
                                                          " vspace=+'6+'",
                                                          ">"};
    QTest::newRow("zero, negative and no number give nothing")
        << ImageFields{.width = "0", .height = "-3", .border = "abc"}
        << QStringList{"<img src=+'+'", ">"};
    QTest::newRow("a fraction above 0 counts, with its text")
        << ImageFields{.width = "0.5", .vspace = " 7px"}
        << QStringList{"<img src=+'+'", " width=+'0.5+'", " vspace=+' 7px+'", ">"};
    QTest::newRow("none alignment")
        << ImageFields{.alignIndex = 0} << QStringList{"<img src=+'+'", ">"};
    QTest::newRow("top") << ImageFields{.alignIndex = 1}
                         << QStringList{"<img src=+'+'", " align=+'top+'", ">"};
    QTest::newRow("right") << ImageFields{.alignIndex = 5}
                           << QStringList{"<img src=+'+'", " align=+'right+'", ">"};
    QTest::newRow("file name as typed")
        << ImageFields{.file = "pic(1)+.gif"} << QStringList{"<img src=+'pic{(}1{)}{+}.gif+'", ">"};
}

void BuilderScriptsTest::image() {
    QFETCH(ImageFields, fields);
    QFETCH(QStringList, pieces);
    QCOMPARE(imageScript(fields), pieces);
}

void BuilderScriptsTest::quickPage_data() {
    QTest::addColumn<QuickPageFields>("fields");
    QTest::addColumn<QStringList>("pieces");

    QTest::newRow("all empty") << QuickPageFields{} << page({"<title></title>~~"}, {});
    QTest::newRow("only meta content")
        << QuickPageFields{.metaContent = "words"}
        << page({"<title></title>~~", "<META CONTENT=+'words+'>~~"}, {});
    QTest::newRow("meta name and content")
        << QuickPageFields{.title = "Home", .metaName = "keywords", .metaContent = "html"}
        << page({"<title>Home</title>~~", "<META NAME=+'keywords+' CONTENT=+'html+'>~~"}, {});
    QTest::newRow("fixed body attribute order")
        << QuickPageFields{.backgroundColor = "FFFFFF",
                           .textColor = "000000",
                           .linkColor = "0000FF",
                           .visitedLinkColor = "800080",
                           .activeLinkColor = "FF0000",
                           .backgroundFile = "b.gif"}
        << page({"<title></title>~~"},
                {" background=+'b.gif+'", " bgcolor=+'FFFFFF+'", " text=+'000000+'",
                 " link=+'0000FF+'", " vlink=+'800080+'", " alink=+'FF0000+'"});
    QTest::newRow("a typed colour is sent unchanged")
        << QuickPageFields{.backgroundColor = "#ff0000"}
        << page({"<title></title>~~"}, {" bgcolor=+'#ff0000+'"});
    QTest::newRow("title as typed") << QuickPageFields{.title = "50% off (today)"}
                                    << page({"<title>50{%} off {(}today{)}</title>~~"}, {});
}

void BuilderScriptsTest::quickPage() {
    QFETCH(QuickPageFields, fields);
    QFETCH(QStringList, pieces);
    QCOMPARE(quickPageScript(fields), pieces);
}

void BuilderScriptsTest::colorText_data() {
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("text");

    QTest::newRow("white") << QColor(255, 255, 255) << "FFFFFF";
    QTest::newRow("black") << QColor(0, 0, 0) << "000000";
    QTest::newRow("red first") << QColor(255, 0, 0) << "FF0000";
    QTest::newRow("dark blue") << QColor(0, 0, 128) << "000080";
    QTest::newRow("one two three") << QColor(1, 2, 3) << "010203";
    QTest::newRow("upper-case digits") << QColor(0xab, 0xcd, 0xef) << "ABCDEF";
}

void BuilderScriptsTest::colorText() {
    QFETCH(QColor, color);
    QFETCH(QString, text);
    QCOMPARE(htmlHexColor(color), text);
}

QTEST_MAIN(BuilderScriptsTest)
#include "tst_builderscripts.moc"
