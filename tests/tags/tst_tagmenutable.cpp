// The fixed tag menus: every entry is found by its name and types its caption, leaving the
// caret where the user types next; and the colour text the palette types.
#include "tags/ColorText.h"
#include "tags/PlainEditBuffer.h"
#include "tags/ScriptApplier.h"
#include "tags/TagMenuTable.h"

#include <QSet>
#include <QTest>

namespace {

QString typedIntoEmptyDocument(const QString& script) {
    PlainEditBuffer buffer;
    ScriptApplier(buffer).apply(script);
    QString text = buffer.text();
    return text.insert(buffer.position(), u'|');
}

}  // namespace

class TestTagMenuTable : public QObject {
    Q_OBJECT

private slots:
    void everyEntryIsFoundByItsUniqueName();
    void everyTagTypesItsCaptionWithTheCaretWhereTheUserTypesNext();
    void typedExamples_data();
    void typedExamples();
    void unknownEntryIsNotFound();
    void paletteAfterBgcolorFillsTheQuotes();
    void htmlHexColorIsRedGreenBlue_data();
    void htmlHexColorIsRedGreenBlue();
};

void TestTagMenuTable::everyEntryIsFoundByItsUniqueName() {
    QSet<QString> names;
    for (const TagMenu& menu : tagMenuTable()) {
        QVERIFY(!names.contains(QLatin1String(menu.name)));
        names.insert(QLatin1String(menu.name));
        for (const TagMenuEntry& entry : menu.entries) {
            QVERIFY2(!names.contains(QLatin1String(entry.name)), entry.name);
            names.insert(QLatin1String(entry.name));
            QCOMPARE(findTagMenuEntry(QString::fromLatin1(entry.name)), &entry);
        }
    }
    QCOMPARE(names.size(), 116);
}

void TestTagMenuTable::everyTagTypesItsCaptionWithTheCaretWhereTheUserTypesNext() {
    int tags = 0;
    for (const TagMenu& menu : tagMenuTable()) {
        for (const TagMenuEntry& entry : menu.entries) {
            if (entry.kind != TagEntryKind::Tag)
                continue;
            ++tags;
            const QString typed = typedIntoEmptyDocument(QString::fromLatin1(entry.script));
            const qsizetype caret = typed.indexOf(u'|');
            QString text = typed;
            text.remove(caret, 1);
            // "<meta" types "<meta ", ready for its first attribute.
            QCOMPARE(text.trimmed(), QString::fromLatin1(entry.caption).trimmed());
            // At the end, between the quotes of an empty value, or before a closing tag.
            const QStringView after = QStringView(typed).mid(caret + 1);
            QVERIFY2(after.isEmpty() || after.startsWith(u'"') || after.startsWith(u"</"),
                     qPrintable(typed));
        }
    }
    QCOMPARE(tags, 102);
}

void TestTagMenuTable::typedExamples_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty attribute") << "insert_base"
                                     << "<base href=\"|\">";
    QTest::newRow("attribute alone") << "insert_name_attribute"
                                     << "name=\"|\"";
    QTest::newRow("open tag for attributes") << "insert_meta"
                                             << "<meta |";
    QTest::newRow("plain tag") << "insert_html"
                               << "<html>|";
    QTest::newRow("closing tag") << "insert_form_end"
                                 << "</form>|";
}

void TestTagMenuTable::typedExamples() {
    QFETCH(QString, entry);
    QTEST(typedIntoEmptyDocument(QString::fromLatin1(findTagMenuEntry(entry)->script)), "typed");
}

void TestTagMenuTable::unknownEntryIsNotFound() {
    QCOMPARE(findTagMenuEntry(u"document_tags_menu"), nullptr);
    QCOMPARE(findTagMenuEntry(u"HTML"), nullptr);
    QVERIFY(findTagMenuEntry(u"insert_teletype_end") != nullptr);
}

void TestTagMenuTable::paletteAfterBgcolorFillsTheQuotes() {
    const QString script =
        QString::fromLatin1(findTagMenuEntry(u"insert_bgcolor_attribute")->script);
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

QTEST_MAIN(TestTagMenuTable)
#include "tst_tagmenutable.moc"
