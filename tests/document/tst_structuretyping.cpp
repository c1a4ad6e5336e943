// Expand Abbreviation, Insert > Table, stops inside empty elements and builders that keep a
// selection, through the real frame.
#include "support/FrameFixture.h"

#include "app/StatusLine.h"
#include "builders/BuilderLauncher.h"
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "tags/InsertionStops.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

QList<int> stops(FrameFixture& fx) {
    return InsertionStops::of(fx.editor()).session().stops();
}

// The caret at first and after each Tab up to the last stop.
QList<int> caretsTabbing(FrameFixture& fx) {
    const QList<int> all = stops(fx);
    QList<int> carets{fx.caret()};
    while (!all.isEmpty() && carets.last() < all.last() && carets.size() <= all.size()) {
        QTest::keyClick(fx.editor(), Qt::Key_Tab);
        carets << fx.caret();
    }
    return carets;
}

void startWith(FrameFixture& fx, const QString& text) {
    fx.start();
    fx.active()->loadBytes(text.toUtf8());
    fx.active()->show();
    QTextCursor end = fx.editor()->textCursor();
    end.movePosition(QTextCursor::End);
    fx.editor()->setTextCursor(end);
}

void run(FrameFixture& fx, Command command) {
    fx.active()->action(command)->trigger();
}

}  // namespace

class TestStructureTyping : public QObject {
    Q_OBJECT
private slots:
    // Every Tab goes to the next empty value or element in document order, and the last leaves.
    void expansionStopsInDocumentOrder_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("carets");
        QTest::newRow("links in items, indented like the line, tab step from above")
            << "<body>\n\t<div>\n\t\tul>li*2>a[href]"
            << "<body>\n\t<div>\n\t\t<ul>\n\t\t\t<li>\n\t\t\t\t<a href=\"\"></a>\n\t\t\t</li>"
               "\n\t\t\t<li>\n\t\t\t\t<a href=\"\"></a>\n\t\t\t</li>\n\t\t</ul>"
            << QList<int>{42, 44, 79, 81, 102};
        QTest::newRow("after text on the line")
            << "Go: a[href]{x}+b"
            << "Go: <a href=\"\">x</a>\n<b></b>" << QList<int>{13, 24, 28};
    }

    void expansionStopsInDocumentOrder() {
        QFETCH(QString, before);
        QFETCH(QString, text);
        QFETCH(QList<int>, carets);
        FrameFixture fx;
        startWith(fx, before);
        run(fx, Command::EditExpandAbbreviation);
        QCOMPARE(fx.text(), text);
        QCOMPARE(caretsTabbing(fx), carets);
        // One undo step takes the whole expansion back to the abbreviation.
        fx.editor()->undo();
        QCOMPARE(fx.text(), before);
    }

    void anInvalidAbbreviationStaysAndTheStatusLineSaysWhy() {
        FrameFixture fx;
        startWith(fx, QStringLiteral("p ul>(li"));
        run(fx, Command::EditExpandAbbreviation);
        QCOMPARE(fx.text(), QStringLiteral("p ul>(li"));
        QCOMPARE(fx.frame().statusLine()->message()->text(),
                 QStringLiteral(" Cannot expand \"ul>(li\": a '(' is not closed."));
    }

    void tableBuilderStopsInEveryEmptyCellAndTabLeavesTheTable() {
        FrameFixture fx;
        startWith(fx, QStringLiteral("<body>\n  "));
        fx.dialogs().answerTable(TableShape{2, 2, true, QStringLiteral("Cost")});
        run(fx, Command::InsertTable);
        const QString table = QStringLiteral(
            "<table>\n    <caption>Cost</caption>\n    <thead>\n      <tr>\n"
            "        <th scope=\"col\"></th>\n        <th scope=\"col\"></th>\n      </tr>\n"
            "    </thead>\n    <tbody>\n      <tr>\n        <td></td>\n        <td></td>\n"
            "      </tr>\n      <tr>\n        <td></td>\n        <td></td>\n      </tr>\n"
            "    </tbody>\n  </table>");
        QCOMPARE(fx.text(), QStringLiteral("<body>\n  ") + table);
        QCOMPARE(stops(fx).size(), 7);  // six cells, then past the table
        for (const QString cell : {"Item", "Price", "Tea", "2", "Milk", "1"}) {
            fx.typeText(cell);
            QTest::keyClick(fx.editor(), Qt::Key_Tab);
        }
        QCOMPARE(fx.caret(), fx.text().size());
        QVERIFY(fx.text().contains(QStringLiteral("<td>Milk</td>\n        <td>1</td>")));
        QVERIFY(fx.text().contains(QStringLiteral("<th scope=\"col\">Item</th>")));
        fx.dialogs().clear();
        run(fx, Command::InsertTable);  // cancelled: nothing typed
        QCOMPARE(fx.dialogs().shown().size(), 1);
        QVERIFY(fx.text().endsWith(QStringLiteral("</table>")));
    }

    void menuScriptStopsInsideItsEmptyElement() {
        FrameFixture fx;
        fx.start();
        fx.documents().typeKeystrokeScript(QStringLiteral("<a href=+'+'></a>{left 6}"));
        QCOMPARE(fx.text(), QStringLiteral("<a href=\"\"></a>"));
        QCOMPARE(caretsTabbing(fx), (QList<int>{9, 11, 15}));
    }

    void builderKeepsTheSelectionWhereItLeavesTheCaret() {
        FrameFixture fx;
        startWith(fx, QStringLiteral("see home now"));
        QTextCursor word = fx.editor()->textCursor();
        word.setPosition(4);
        word.setPosition(8, QTextCursor::KeepAnchor);
        fx.editor()->setTextCursor(word);
        QDialog* anchor = fx.program().builders().open(BuilderKind::Anchor);
        anchor->findChild<QPushButton*>(QStringLiteral("ok_button"))->click();
        QCOMPARE(fx.text(), QStringLiteral("see <a href=\"\">home</a> now"));
        QCOMPARE(fx.editor()->textCursor().selectedText(), QStringLiteral("home"));
        QCOMPARE(stops(fx), (QList<int>{13, 19, 23}));
        QTest::qWait(1);
        fx.editor()->undo();
        QCOMPARE(fx.text(), QStringLiteral("see home now"));
    }
};

QTEST_MAIN(TestStructureTyping)
#include "tst_structuretyping.moc"
