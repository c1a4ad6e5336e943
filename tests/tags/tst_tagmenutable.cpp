// The fixed tag menus entry by entry, what each entry types into an empty
// document, and the colour texts the palette and the settings use.
#include "tags/ColorText.h"
#include "tags/PlainEditBuffer.h"
#include "tags/ScriptApplier.h"
#include "tags/TagMenuTable.h"

#include <QTest>

namespace {

// Menu lines: "menu <name> <caption>". Entry lines, tab-separated: control, caption, script,
// and what typing the script into an empty document gives ('|' is the caret); an empty last
// column means the caption followed by the caret. "-" marks a separator, "palette" the palette.
const char* const kExpected = R"(menu tags &Document Tags
html	<html>	<html>
head	<head>	<head>
title	<title>	<title>
base	<base href="">	<base href=+'+'>{left 2}	<base href="|">
isindx	<isindex prompt="">	<isindex prompt=+'+'>{left 2}	<isindex prompt="|">
meta	<meta	<meta 	<meta |
nme	name=""	name=+'+'{left}	name="|"
content	content=""	content=+'+'{left}	content="|"
ettpeqv	http-equiv=""	http-equiv=+'+'{left}	http-equiv="|"
body	<body>	<body>
anchor	<a href="">	<a href=+'+'>{left 2}	<a href="|">
img	<img src="">	<img src=+'+'>{left 2}	<img src="|">
hr	<hr>	<hr>
mialto	mailto:	mailto:
p99	-
htmlend	</html>	</html>
headend	</head>	</head>
titleend	</title>	</title>
bodyend	</body>	</body>
anchend	</a>	</a>
menu color &Color Tags
palette	&Palette	palette
alink	alink=""	alink=+'+'{left}	alink="|"
bgcolor	bgcolor=""	bgcolor=+'+'{left}	bgcolor="|"
link	link=""	link=+'+'{left}	link="|"
text	text=""	text=+'+'{left}	text="|"
vlink	vlink=""	vlink=+'+'{left}	vlink="|"
menu headings &Heading Tags
h1	<h1>	<h1>
h2	<h2>	<h2>
h3	<h3>	<h3>
h4	<h4>	<h4>
h5	<h5>	<h5>
h6	<h6>	<h6>
o88	-
h1e	</h1>	</h1>
h2e	</h2>	</h2>
h3e	</h3>	</h3>
h4e	</h4>	</h4>
h5e	</h5>	</h5>
h6e	</h6>	</h6>
menu listt &List tags
ol	<ol>	<ol>
ul	<ul>	<ul>
dl	<dl>	<dl>
li	<li>	<li>
dt	<dt>	<dt>
dd	<dd>	<dd>
typc	type="circle"	type=+'circle+'
typd	type="disc"	type=+'disc+'
typs	type="square"	type=+'square+'
t24	-
olend	</ol>	</ol>
ulend	</ul>	</ul>
dlend	</dl>	</dl>
liend	</li>	</li>
dtend	</dt>	</dt>
ddend	</dd>	</dd>
menu tt &Table tags
table	<table>	<table>
row	<tr>	<tr>
data	<td>	<td>
t25	-
tableend	</table>	</table>
rowend	</tr>	</tr>
dataend	</td>	</td>
menu formats Text &Formatting
alignc	align="center"	align=+'center+'
alignl	align="left"	align=+'left+'
alignr	align="right"	align=+'right+'
alignt	align="top"	align=+'top+'
alignm	align="middle"	align=+'middle+'
alignb	align="bottom"	align=+'bottom+'
addr	<address>	<address>
big	<big>	<big>
bq	<blockquote>	<blockquote>
lbreak	<br>	<br>
font	<font	<font
para	<p>	<p>
pre	<pre>	<pre>
size	size=""	size=+'+'{left}	size="|"
small	<small>	<small>
strike	<strike>	<strike>
subb	<sub>	<sub>
super	<sup>	<sup>
ttee	<tt>	<tt>
t22	-
addrend	</address>	</address>
bigend	</big>	</big>
bqend	</blockquote>	</blockquote>
fontend	</font>	</font>
paraend	</p>	</p>
preend	</pre>	</pre>
smallend	</small>	</small>
strkend	</strike>	</strike>
subend	</sub>	</sub>
supend	</sup>	</sup>
tteend	</tt>	</tt>
menu forms Fo&rm Tags
frm	<form	<form 	<form |
action	action=""	action=+'+'{left}	action="|"
enctype	enctype=""	enctype=+'+'{left}	enctype="|"
method	method=""	method=+'+'{left}	method="|"
script	script=""	script=+'+'{left}	script="|"
inpt	<input 	<input 	<input |
accept	accept=""	accept=+'+'{left}	accept="|"
select	<select 	<select 	<select |
name2	name=""	name=+'+'{left}	name="|"
option	<option 	<option 	<option |
class	class=""	class=+'+'{left}	class="|"
shape	shape=""	shape=+'+'{left}	shape="|"
sdf34	-
optnend	</option>	</option>
selend	</select>	</select>
frmend	</form>	</form>
)";

QString typedIntoEmptyDocument(const QString& script) {
    PlainEditBuffer buffer;
    ScriptApplier(buffer).apply(script);
    QString text = buffer.text();
    return text.insert(buffer.position(), u'|');
}

QString menuOutline(bool fromTable) {
    QStringList menus;
    if (fromTable) {
        for (const TagMenu& menu : tagMenuTable())
            menus << QString::fromLatin1(menu.name) + u' ' + QString::fromLatin1(menu.caption);
        return menus.join(u'\n');
    }
    for (const QString& line : QString::fromLatin1(kExpected).split(u'\n')) {
        if (line.startsWith(u"menu "_qs))
            menus << line.mid(5);
    }
    return menus.join(u'\n');
}

}  // namespace

class TestTagMenuTable : public QObject {
    Q_OBJECT

private slots:
    void menusComeInOrderWithTheirCaptions();
    void entriesMatchTheirRows_data();
    void entriesMatchTheirRows();
    void unknownEntryIsNotFound();
    void paletteAfterBgcolorFillsTheQuotes();
    void htmlHexColorIsRedGreenBlue_data();
    void htmlHexColorIsRedGreenBlue();
    void storedColorRoundTrips_data();
    void storedColorRoundTrips();
    void storedColorRejectsOtherText_data();
    void storedColorRejectsOtherText();
};

void TestTagMenuTable::menusComeInOrderWithTheirCaptions() {
    QCOMPARE(menuOutline(true), menuOutline(false));
}

void TestTagMenuTable::entriesMatchTheirRows_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("row");
    QString menu;
    int index = 0;
    for (const QString& line : QString::fromLatin1(kExpected).split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u"menu "_qs)) {
            menu = line.section(u' ', 1, 1);
            index = 0;
            continue;
        }
        const QStringList row = line.split(u'\t');
        QTest::addRow("%s %s", qPrintable(menu), qPrintable(row[0])) << menu << index++ << row;
    }
}

void TestTagMenuTable::entriesMatchTheirRows() {
    QFETCH(QString, menu);
    QFETCH(int, index);
    QFETCH(QStringList, row);
    const auto menus = tagMenuTable();
    const auto found = std::find_if(menus.begin(), menus.end(), [&](const TagMenu& m) {
        return menu == QLatin1StringView(m.name);
    });
    QVERIFY(found != menus.end());
    QVERIFY(index < int(found->entries.size()));
    const TagMenuEntry& entry = found->entries[index];
    QCOMPARE(QString::fromLatin1(entry.name), row[0]);
    QCOMPARE(findTagMenuEntry(row[0]), &entry);
    if (row[1] == u"-"_qs) {
        QCOMPARE(entry.kind, TagEntryKind::Separator);
        QCOMPARE(QString::fromLatin1(entry.caption), u"-"_qs);
        return;
    }
    QCOMPARE(QString::fromLatin1(entry.caption), row[1]);
    if (row[2] == u"palette"_qs) {
        QCOMPARE(entry.kind, TagEntryKind::Palette);
        return;
    }
    QCOMPARE(entry.kind, TagEntryKind::Tag);
    QCOMPARE(QString::fromLatin1(entry.script), row[2]);
    const QString typed = row.size() > 3 ? row[3] : row[1] + u'|';
    QCOMPARE(typedIntoEmptyDocument(QString::fromLatin1(entry.script)), typed);
}

void TestTagMenuTable::unknownEntryIsNotFound() {
    QCOMPARE(findTagMenuEntry(u"tags"), nullptr);
    QCOMPARE(findTagMenuEntry(u"HTML"), nullptr);
    QVERIFY(findTagMenuEntry(u"tteend") != nullptr);
}

void TestTagMenuTable::paletteAfterBgcolorFillsTheQuotes() {
    const QString script = QString::fromLatin1(findTagMenuEntry(u"bgcolor")->script);
    QCOMPARE(typedIntoEmptyDocument(script + htmlHexColor(Qt::red)), u"bgcolor=\"FF0000|\""_qs);
}

void TestTagMenuTable::htmlHexColorIsRedGreenBlue_data() {
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("hex");
    QTest::newRow("red") << QColor(255, 0, 0) << u"FF0000"_qs;
    QTest::newRow("green") << QColor(0, 255, 0) << u"00FF00"_qs;
    QTest::newRow("blue") << QColor(0, 0, 255) << u"0000FF"_qs;
    QTest::newRow("1 2 3") << QColor(1, 2, 3) << u"010203"_qs;
    QTest::newRow("black") << QColor(0, 0, 0) << u"000000"_qs;
    QTest::newRow("upper case") << QColor(0xab, 0xcd, 0xef) << u"ABCDEF"_qs;
    QTest::newRow("from hsv") << QColor::fromHsv(0, 255, 255) << u"FF0000"_qs;
}

void TestTagMenuTable::htmlHexColorIsRedGreenBlue() {
    QFETCH(QColor, color);
    QFETCH(QString, hex);
    QCOMPARE(htmlHexColor(color), hex);
}

void TestTagMenuTable::storedColorRoundTrips_data() {
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("stored");
    QTest::newRow("red") << QColor(255, 0, 0) << u"255"_qs;
    QTest::newRow("white") << QColor(255, 255, 255) << u"16777215"_qs;
    QTest::newRow("blue") << QColor(0, 0, 255) << u"16711680"_qs;
    QTest::newRow("1 2 3") << QColor(1, 2, 3) << u"197121"_qs;
    QTest::newRow("black") << QColor(0, 0, 0) << u"0"_qs;
}

void TestTagMenuTable::storedColorRoundTrips() {
    QFETCH(QColor, color);
    QFETCH(QString, stored);
    QCOMPARE(storedColorText(color), stored);
    QCOMPARE(QString::number(storedColorValue(color)), stored);
    QCOMPARE(colorFromStoredValue(stored), color);
}

void TestTagMenuTable::storedColorRejectsOtherText_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("empty") << QString();
    QTest::newRow("word") << u"red"_qs;
    QTest::newRow("trailing junk") << u"255x"_qs;
    QTest::newRow("fraction") << u"25.5"_qs;
    QTest::newRow("system colour") << u"-2147483643"_qs;
    QTest::newRow("beyond 24 bits") << u"16777216"_qs;
    QTest::newRow("too long for any integer") << u"99999999999999999999999"_qs;
}

void TestTagMenuTable::storedColorRejectsOtherText() {
    QFETCH(QString, stored);
    QVERIFY(!colorFromStoredValue(stored).isValid());
}

QTEST_MAIN(TestTagMenuTable)
#include "tst_tagmenutable.moc"
