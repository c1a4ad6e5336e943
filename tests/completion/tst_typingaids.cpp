// Help with typing tags in a real editor, driven by key events: the completion list, closing tags
// as they are typed, and the matching-tag marks.
#include "completion/DocumentMarkupText.h"
#include "completion/MatchingTagHighlight.h"
#include "completion/TypingAids.h"
#include "editor/EditorBox.h"
#include "syntax/SyntaxColoring.h"
#include "tags/InsertionStops.h"

#include <QApplication>
#include <QClipboard>
#include <QListView>
#include <QTest>
#include <QTextDocument>

namespace {

// An editor as a document window has it: coloured, with the typing aids on.
struct Page {
    EditorBox editor;
    TypingAids* aids;

    explicit Page(const QString& text = {}) {
        editor.setPlainText(text);
        new SyntaxColoring(editor);
        aids = new TypingAids(editor);
        aids->apply(true, true);
        editor.resize(500, 300);
        editor.show();
        editor.setFocus();
        moveCaret(int(text.size()));
    }
    void moveCaret(int position) {
        QTextCursor cursor = editor.textCursor();
        cursor.setPosition(position);
        editor.setTextCursor(cursor);
    }
    void type(const QString& keys) { QTest::keyClicks(&editor, keys); }
    void press(Qt::Key key) { QTest::keyClick(&editor, key); }
    QListView* list() const {
        return editor.findChild<QListView*>(QStringLiteral("tag_completion_list"));
    }
    bool listShown() const { return list() && list()->isVisible(); }
    // The text with a "|" at the caret.
    QString shown() const {
        return editor.toPlainText().insert(editor.textCursor().position(), u'|');
    }
};

}  // namespace

class TestTypingAids : public QObject {
    Q_OBJECT
private slots:
    void acceptingTypesTheEntryAndOpensStops_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("accept");
        QTest::addColumn<QString>("result");
        QTest::newRow("element") << "<secti" << int(Qt::Key_Return) << "<section>|</section>";
        QTest::newRow("void element") << "<im" << int(Qt::Key_Tab) << "<img>|";
        QTest::newRow("attribute") << "<a hre" << int(Qt::Key_Return) << "<a href=\"|\"";
        QTest::newRow("valueless attribute")
            << "<input disa" << int(Qt::Key_Enter) << "<input disabled|";
        QTest::newRow("value") << "<input type=\"ema" << int(Qt::Key_Return)
                               << "<input type=\"email|";
    }

    void acceptingTypesTheEntryAndOpensStops() {
        QFETCH(QString, keys);
        QFETCH(int, accept);
        Page page;
        page.type(keys);
        QVERIFY(page.listShown());
        page.press(Qt::Key(accept));
        QTEST(page.shown(), "result");
        QVERIFY(!page.listShown());
        // Tab goes on as after any insertion: to the end of what was typed.
        page.press(Qt::Key_Tab);
        QCOMPARE(page.editor.textCursor().position(), page.editor.toPlainText().size());
    }

    void listTakesOnlyItsKeys() {
        Page page(QStringLiteral("<p>\n"));
        page.type(QStringLiteral("<se"));
        QVERIFY(page.listShown());
        const int caret = page.editor.textCursor().position();
        page.press(Qt::Key_Down);
        QCOMPARE(page.list()->currentIndex().row(), 1);
        QCOMPARE(page.editor.textCursor().position(), caret);
        page.type(QStringLiteral("c"));  // types and refilters
        QVERIFY(page.listShown());
        QCOMPARE(page.list()->currentIndex().data().toString(), QStringLiteral("section"));
        page.press(Qt::Key_Escape);
        QVERIFY(!page.listShown());
        QCOMPARE(page.shown(), QStringLiteral("<p>\n<sec|"));
        QTest::keyClick(&page.editor, Qt::Key_Space, Qt::ControlModifier);
        QVERIFY(page.listShown());
        page.press(Qt::Key_Left);  // any other key works as ever
        QCOMPARE(page.editor.textCursor().position(), caret);
    }

    void listTakesTabBeforeInsertionStops() {
        Page page;
        page.type(QStringLiteral("<secti"));
        page.press(Qt::Key_Return);
        page.type(QStringLiteral("<heade"));
        page.press(Qt::Key_Tab);
        QCOMPARE(page.shown(), QStringLiteral("<section><header>|</header></section>"));
    }

    void nothingOfferedInCommentsOrScripts() {
        Page page;
        page.type(QStringLiteral("<!-- <di"));
        QVERIFY(!page.listShown());
        page.editor.clear();
        page.type(QStringLiteral("<script>if (a <b"));
        QVERIFY(!page.listShown());
        QCOMPARE(page.shown(), QStringLiteral("<script>if (a <b|</script>"));
    }

    void closesWhatTheUserTypesOnly() {
        Page page;
        page.type(QStringLiteral("<section>"));
        QCOMPARE(page.shown(), QStringLiteral("<section>|</section>"));
        page.editor.undo();  // takes the end tag back, and only that
        QCOMPARE(page.shown(), QStringLiteral("<section>|"));
        page.type(QStringLiteral("<br><a title=\"x>"));
        QCOMPARE(page.shown(), QStringLiteral("<section><br><a title=\"x>|"));
        page.editor.clear();
        InsertionStops::typeScript(&page.editor, QStringLiteral("<div>"));
        QApplication::clipboard()->setText(QStringLiteral("<p>"));
        page.editor.paste();
        QCOMPARE(page.editor.toPlainText(), QStringLiteral("<div><p>"));
        page.type(QStringLiteral("x</"));
        QCOMPARE(page.shown(), QStringLiteral("<div><p>x</p>|"));
    }

    // An end tag's open elements are read once while its name is typed, and again once the text
    // before it changes.
    void endTagNamesFollowTheTextBeforeTheTag() {
        Page page(QStringLiteral("<section><div>\n"));
        page.aids->apply(true, false);
        page.type(QStringLiteral("</d"));
        QCOMPARE(page.list()->currentIndex().data().toString(), QStringLiteral("div"));
        QTextCursor replaced(page.editor.document());  // the tag stays where it was
        replaced.setPosition(9, QTextCursor::KeepAnchor);
        replaced.insertText(QStringLiteral("<details>"));
        page.type(QStringLiteral("e"));
        QCOMPARE(page.shown(), QStringLiteral("<details><div>\n</de|"));
        QCOMPARE(page.list()->currentIndex().data().toString(), QStringLiteral("details"));
    }

    // Every stretch of the document, as the aids read it, is that stretch of its plain text.
    void readsAnyStretchOfTheDocument() {
        QTextDocument document(QStringLiteral("<p>ab\n\n<b>c</b>\nd"));
        const QString plain = document.toPlainText();
        for (int from = -2; from <= plain.size() + 2; ++from) {
            for (int to = from - 1; to <= plain.size() + 2; ++to)
                QCOMPARE(DocumentMarkupText(document).slice(from, to),
                         plain.mid(qMax(from, 0), qMax(0, to - qMax(from, 0))));
        }
    }

    void switchedOffItDoesNothing() {
        Page page;
        page.aids->apply(false, false);
        page.type(QStringLiteral("<div><se"));
        QCOMPARE(page.shown(), QStringLiteral("<div><se|"));
        QVERIFY(!page.listShown());
    }

    void marksAndGoesToTheMatchingTag() {
        Page page(QStringLiteral("<div>\n<div>ab</div>\n</div>"));
        page.moveCaret(1);
        QTRY_COMPARE(page.editor.extraSelections().size(), 2);
        QCOMPARE(page.editor.extraSelections().last().cursor.selectionStart(), 20);
        QVERIFY(goToMatchingTag(page.editor));
        QCOMPARE(page.editor.textCursor().position(), 20);
        QVERIFY(goToMatchingTag(page.editor));
        QCOMPARE(page.editor.textCursor().position(), 0);
        page.moveCaret(12);  // in the inner element's text
        QTRY_VERIFY(page.editor.extraSelections().isEmpty());
        QVERIFY(!goToMatchingTag(page.editor));
    }
};

QTEST_MAIN(TestTypingAids)
#include "tst_typingaids.moc"
