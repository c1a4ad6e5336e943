#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

#include "find/ReplaceDialog.h"
#include "find/ReplaceEngine.h"

namespace {

ReplaceOptions plain(const QString& find, const QString& replace = QString()) {
    ReplaceOptions options;
    options.findText = find;
    options.replaceText = replace;
    return options;
}

ReplaceOptions regex(const QString& find, const QString& replace = QString()) {
    ReplaceOptions options = plain(find, replace);
    options.regularExpression = true;
    return options;
}

}  // namespace

class TestReplace : public QObject {
    Q_OBJECT

private slots:
    void replaceAllIsOneUndoableStep_data();
    void replaceAllIsOneUndoableStep();
    void findNextMovesOnOverEmptyMatchesAndWraps_data();
    void findNextMovesOnOverEmptyMatchesAndWraps();
    void replaceChangesOnlyASelectedMatch();
    void anInvalidPatternChangesNothing();
    void dialogFindsReplacesAndReports();
};

void TestReplace::replaceAllIsOneUndoableStep_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<ReplaceOptions>("options");
    QTest::addColumn<QString>("replaced");
    QTest::addColumn<int>("count");

    ReplaceOptions anyCase = plain(u"cat"_qs, u"dog"_qs);
    QTest::newRow("any case") << u"Cat cat\nCAT"_qs << anyCase << u"dog dog\ndog"_qs << 3;
    ReplaceOptions matchCase = anyCase;
    matchCase.matchCase = true;
    QTest::newRow("match case") << u"Cat cat\nCAT"_qs << matchCase << u"Cat dog\nCAT"_qs << 1;
    ReplaceOptions wholeWord = anyCase;
    wholeWord.wholeWord = true;
    QTest::newRow("whole word") << u"cat concat cat_x cat2 (cat)"_qs << wholeWord
                                << u"dog concat cat_x cat2 (dog)"_qs << 2;
    QTest::newRow("plain text keeps pattern characters")
        << u"a.b axb \\1"_qs << plain(u"a.b"_qs, u"\\1"_qs) << u"\\1 axb \\1"_qs << 1;
    QTest::newRow("references") << u"<b>one</b> <b>two</b>"_qs
                                << regex(u"<b>(.*?)</b>"_qs, u"<strong>\\1</strong>"_qs)
                                << u"<strong>one</strong> <strong>two</strong>"_qs << 2;
    QTest::newRow("whole match, escapes, a missing group")
        << u"a=1"_qs << regex(u"(\\w)=(\\d)"_qs, u"\\0\\t\\2\\\\\\9\\q\\n"_qs)
        << u"a=1\t1\\\\q\n"_qs << 1;
    QTest::newRow("empty matches") << u"abc"_qs << regex(u"x*"_qs, u"-"_qs) << u"-a-b-c-"_qs << 4;
    QTest::newRow("empty match after a longer one")
        << u"abc"_qs << regex(u"b*"_qs, u"-"_qs) << u"-a--c-"_qs << 4;
    QTest::newRow("anchors work per line")
        << u"one\ntwo"_qs << regex(u"^"_qs, u"> "_qs) << u"> one\n> two"_qs << 2;
    QTest::newRow("a match never spans lines")
        << u"a\nb"_qs << regex(u"a\\s*b"_qs, u"X"_qs) << u"a\nb"_qs << 0;
}

void TestReplace::replaceAllIsOneUndoableStep() {
    QFETCH(QString, text);
    QFETCH(ReplaceOptions, options);
    QFETCH(QString, replaced);
    QFETCH(int, count);
    QTextDocument document;
    document.setPlainText(text);
    QCOMPARE(ReplaceEngine(options).replaceAll(document), count);
    QCOMPARE(document.toPlainText(), replaced);
    QCOMPARE(document.isUndoAvailable(), count > 0);
    document.undo();
    QCOMPARE(document.toPlainText(), text);
}

void TestReplace::findNextMovesOnOverEmptyMatchesAndWraps_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<ReplaceOptions>("options");
    QTest::addColumn<QList<int>>("starts");  // the match starts met from position 0 on

    QTest::newRow("plain, wrapping") << u"x1 x2\nx3"_qs << plain(u"x"_qs) << QList<int>{0, 3, 6, 0};
    ReplaceOptions noWrap = plain(u"x"_qs);
    noWrap.wrapAround = false;
    QTest::newRow("plain, not wrapping") << u"x1 x2\nx3"_qs << noWrap << QList<int>{0, 3, 6, -1};
    QTest::newRow("empty matches") << u"ab"_qs << regex(u"x*"_qs) << QList<int>{1, 2, 0, 1};
    QTest::newRow("line starts") << u"a\n\nb"_qs << regex(u"^"_qs) << QList<int>{2, 3, 0, 2};
}

void TestReplace::findNextMovesOnOverEmptyMatchesAndWraps() {
    QFETCH(QString, text);
    QFETCH(ReplaceOptions, options);
    QFETCH(QList<int>, starts);
    QTextDocument document;
    document.setPlainText(text);
    const ReplaceEngine engine(options);
    TextRange selection{0, 0};
    for (int start : starts) {
        const std::optional<TextRange> match = engine.findNext(document, selection);
        QCOMPARE(match ? match->start : -1, start);
        if (match)
            selection = *match;
    }
}

void TestReplace::replaceChangesOnlyASelectedMatch() {
    QTextDocument document;
    document.setPlainText(u"aa a"_qs);
    const ReplaceEngine engine(regex(u"a+"_qs, u"<\\0>"_qs));
    // Part of a match is no match.
    QVERIFY(!engine.replaceSelection(document, {0, 1}));
    QCOMPARE(document.toPlainText(), u"aa a"_qs);
    QCOMPARE(engine.replaceSelection(document, {0, 2}), (TextRange{0, 4}));
    QCOMPARE(document.toPlainText(), u"<aa> a"_qs);
    QCOMPARE(engine.findNext(document, {4, 4}), (TextRange{5, 6}));
}

void TestReplace::anInvalidPatternChangesNothing() {
    QTextDocument document;
    document.setPlainText(u"(a"_qs);
    const ReplaceEngine engine(regex(u"(a"_qs, u"b"_qs));
    QCOMPARE(engine.error(), QRegularExpression(u"(a"_qs).errorString());
    QVERIFY(!engine.error().isEmpty());
    QCOMPARE(engine.replaceAll(document), 0);
    QVERIFY(!engine.findNext(document, {0, 0}));
    QCOMPARE(document.toPlainText(), u"(a"_qs);
}

void TestReplace::dialogFindsReplacesAndReports() {
    QPlainTextEdit editor(u"one two one"_qs);
    ReplaceDialog dialog([&editor] { return &editor; });
    QSignalSpy replacedAll(&dialog, &ReplaceDialog::replacedAll);
    const auto field = [&](const char* name) { return dialog.findChild<QLineEdit*>(name); };
    const auto press = [&](const char* name) { dialog.findChild<QPushButton*>(name)->click(); };

    QVERIFY(!dialog.findChild<QPushButton*>("replace_all")->isEnabled());
    QVERIFY(dialog.findChild<QCheckBox*>("replace_wrap_around")->isChecked());
    field("replace_find_text")->setText(u"one"_qs);
    field("replace_with_text")->setText(u"1"_qs);
    press("replace_find_next");
    QCOMPARE(editor.textCursor().selectedText(), u"one"_qs);
    press("replace_one");
    QCOMPARE(editor.toPlainText(), u"1 two one"_qs);
    QCOMPARE(editor.textCursor().selectionStart(), 6);

    dialog.findChild<QCheckBox*>("replace_regular_expression")->setChecked(true);
    field("replace_find_text")->setText(u"(o"_qs);
    press("replace_all");
    QVERIFY(dialog.message().contains(QRegularExpression(u"(o"_qs).errorString()));
    QCOMPARE(editor.toPlainText(), u"1 two one"_qs);
    QCOMPARE(replacedAll.count(), 0);

    field("replace_find_text")->setText(u"(o)"_qs);
    field("replace_with_text")->setText(u"[\\1]"_qs);
    press("replace_all");
    QCOMPARE(editor.toPlainText(), u"1 tw[o] [o]ne"_qs);
    QCOMPARE(replacedAll.takeFirst(), QVariantList{2});
    QCOMPARE(dialog.message(), u"Replaced 2 occurrences."_qs);
}

QTEST_MAIN(TestReplace)
#include "tst_replace.moc"
