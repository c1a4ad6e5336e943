// Insertion stops: finding them in inserted text, and Tab and Shift+Tab between them in the real
// frame after tag menus and builders.
#include "support/FrameFixture.h"

#include "builders/BuilderLauncher.h"
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "tags/InsertionStopFinder.h"
#include "tags/InsertionStops.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextDocument>

namespace {

void pressTab(FrameFixture& fx) {
    QTest::keyClick(fx.editor(), Qt::Key_Tab);
}

void pressShiftTab(FrameFixture& fx) {
    QTest::keyClick(fx.editor(), Qt::Key_Backtab, Qt::ShiftModifier);
}

// Fills a builder's line edit (when `field` is given) and presses its OK, then returns to the
// event loop, as a real click does, so that the command's undo step closes.
void runBuilder(FrameFixture& fx, BuilderKind kind, const char* field = nullptr,
                const QString& text = {}) {
    QDialog* dialog = fx.program().builders().open(kind);
    if (field)
        QTest::keyClicks(dialog->findChild<QLineEdit*>(QLatin1String(field)), text);
    dialog->findChild<QPushButton*>(QStringLiteral("ok_button"))->click();
    QTRY_VERIFY(!fx.program().builders().openBuilder(kind));
    QTest::qWait(1);
}

}  // namespace

class TestInsertionStops : public QObject {
    Q_OBJECT
private slots:
    void stopsOfInsertedText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QList<int>>("stops");
        QTest::newRow("element pair") << "<td></td>" << 4 << QList<int>{4, 9};
        QTest::newRow("caret in the empty value") << "<a href=\"\">" << 9 << QList<int>{9, 11};
        QTest::newRow("empty value before the caret")
            << "<a href=\"\"></a>" << 11 << QList<int>{9, 11, 15};
        QTest::newRow("single quotes, blanks, a filled value")
            << "<img alt = '' src=\"x\" title=\"\">" << 31 << QList<int>{12, 29, 31};
        QTest::newRow("caret outside the text") << "<br>" << -3 << QList<int>{4};
    }

    void stopsOfInsertedText() {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QList<int>, stops);
        QCOMPARE(findInsertionStops(text, caret), stops);
    }

    void tabAfterTableDataPutsTheNextCellAfterIt() {
        FrameFixture fx;
        fx.start();
        runBuilder(fx, BuilderKind::TableData);
        QCOMPARE(fx.caret(), 4);
        pressTab(fx);
        QCOMPARE(fx.caret(), 9);
        runBuilder(fx, BuilderKind::TableData, "content_field", QStringLiteral("Purpose"));
        QCOMPARE(fx.text(), QStringLiteral("<td></td><td>Purpose</td>"));
        pressTab(fx);
        QCOMPARE(fx.caret(), fx.text().size());
        // The builder typed its tag in pieces; the stops cover them all as one text.
        QCOMPARE(InsertionStops::of(fx.editor()).session().textStart(), 9);
    }

    void stopsOfAnAnchorFollowTypingInside() {
        FrameFixture fx;
        fx.start();
        runBuilder(fx, BuilderKind::Anchor);
        QCOMPARE(fx.text(), QStringLiteral("<a href=\"\"></a>"));
        QCOMPARE(fx.caret(), 11);
        pressShiftTab(fx);
        QCOMPARE(fx.caret(), 9);
        pressShiftTab(fx);  // no stop before the first: the caret stays
        QCOMPARE(fx.caret(), 9);
        fx.typeText(QStringLiteral("x.html"));
        pressTab(fx);
        QCOMPARE(fx.caret(), 17);
        fx.typeText(QStringLiteral("Home"));
        pressTab(fx);
        QCOMPARE(fx.caret(), 25);
        pressShiftTab(fx);
        QCOMPARE(fx.caret(), 21);
        QCOMPARE(fx.text(), QStringLiteral("<a href=\"x.html\">Home</a>"));
    }

    void tabTypesATabWhereNoStopsRun_data() {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing inserted") << ""
                                          << "ab\t";
        QTest::newRow("escape") << "escape"
                                << "ab<a href=\"\t\">";
        QTest::newRow("click outside") << "click"
                                       << "\tab<a href=\"\">";
        QTest::newRow("edit outside") << "edit"
                                      << "zab<a href=\"\t\">";
        QTest::newRow("past the last stop") << "tab"
                                            << "ab<a href=\"\">\t";
        // Clearing reports its edit while the document holds its cursors aside.
        QTest::newRow("document cleared") << "clear"
                                          << "\t";
    }

    void tabTypesATabWhereNoStopsRun() {
        QFETCH(QString, ending);
        QFETCH(QString, text);
        FrameFixture fx;
        fx.start();
        fx.active()->loadBytes("ab");
        fx.active()->show();
        QTextCursor cursor = fx.editor()->textCursor();
        cursor.movePosition(QTextCursor::End);
        fx.editor()->setTextCursor(cursor);
        if (!ending.isEmpty())
            fx.active()->entry("insert_link")->trigger();
        if (ending == "escape") {
            QTest::keyClick(fx.editor(), Qt::Key_Escape);
        } else if (ending == "click") {
            QTextCursor start(fx.editor()->document());
            QTest::mouseClick(fx.editor()->viewport(), Qt::LeftButton, {},
                              fx.editor()->cursorRect(start).center() - QPoint(2, 0));
            QCOMPARE(fx.caret(), 0);
        } else if (ending == "edit") {
            QTextCursor(fx.editor()->document()).insertText(QStringLiteral("z"));
        } else if (ending == "tab") {
            pressTab(fx);
        } else if (ending == "clear") {
            fx.editor()->clear();
        }
        pressTab(fx);
        QCOMPARE(fx.text(), text);
    }
};

QTEST_MAIN(TestInsertionStops)
#include "tst_insertionstops.moc"
