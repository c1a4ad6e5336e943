#include "support/FrameFixture.h"

#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "tags/PlainEditBuffer.h"
#include "tags/ScriptApplier.h"
#include "tags/TagMenuTable.h"

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QTextDocument>

class TestTagInsertion : public QObject {
    Q_OBJECT
private slots:
    void everyTagEntryTypesItsScriptIntoTheActiveDocument() {
        FrameFixture fx;
        fx.start();
        int checked = 0;
        for (const TagMenu& menu : tagMenuTable()) {
            QMenu* submenu = fx.active()->menu(menu.name);
            QVERIFY2(submenu, menu.name);
            QCOMPARE(submenu->title(), QString::fromUtf8(menu.caption));
            for (const TagMenuEntry& entry : menu.entries) {
                if (entry.kind != TagEntryKind::Tag)
                    continue;
                fx.active()->loadBytes(QByteArray());
                fx.active()->setChanged(false);
                QAction* action = fx.active()->entry(QLatin1String(entry.name));
                QVERIFY2(action && action->isEnabled(), entry.name);
                QVERIFY(action->shortcut().isEmpty());
                action->trigger();
                PlainEditBuffer expected;
                ScriptApplier(expected).apply(QString::fromUtf8(entry.script));
                QCOMPARE(fx.text(), expected.text());
                QCOMPARE(fx.caret(), expected.position());
                QVERIFY2(fx.active()->isChanged(), entry.name);
                ++checked;
            }
        }
        QCOMPARE(checked, 102);
    }

    void emptyAttributeLeavesTheCaretBetweenTheQuotes() {
        FrameFixture fx;
        fx.start();
        fx.active()->entry("insert_base")->trigger();
        QCOMPARE(fx.text(), QStringLiteral("<base href=\"\">"));
        QCOMPARE(fx.caret(), 12);
        fx.active()->entry("insert_name_attribute")->trigger();
        QCOMPARE(fx.text(), QStringLiteral("<base href=\"name=\"\"\">"));
        QCOMPARE(fx.caret(), 18);
    }

    void aSelectionIsReplacedNotEnclosed() {
        FrameFixture fx;
        fx.start();
        fx.active()->loadBytes("say hello now");
        QTextCursor cursor = fx.editor()->textCursor();
        cursor.setPosition(4);
        cursor.setPosition(9, QTextCursor::KeepAnchor);
        fx.editor()->setTextCursor(cursor);
        fx.active()->entry("insert_h1")->trigger();
        QCOMPARE(fx.text(), QStringLiteral("say <h1> now"));
    }

    void oneUndoRemovesAWholeTagAndPiecesOfOneCommandJoin() {
        FrameFixture fx;
        fx.start();
        fx.typeText("x");
        fx.active()->entry("insert_link")->trigger();
        QCOMPARE(fx.text(), QStringLiteral("x<a href=\"\">"));
        fx.editor()->undo();
        QCOMPARE(fx.text(), QStringLiteral("x"));
        QTest::qWait(0);
        fx.documents().typeKeystrokeScript(QStringLiteral("<hr"));
        fx.documents().typeKeystrokeScript(QStringLiteral(" noshade"));
        fx.documents().typeKeystrokeScript(QStringLiteral(">"));
        QCOMPARE(fx.text(), QStringLiteral("x<hr noshade>"));
        fx.editor()->undo();
        QCOMPARE(fx.text(), QStringLiteral("x"));
    }

    void insertingIntoASavedDocumentMarksItChanged() {
        FrameFixture fx;
        const QString file = fx.writeFile("page.html", "<html>\n</html>\n");
        fx.start(file);
        QVERIFY(!fx.active()->isChanged());
        fx.active()->entry("insert_body_end")->trigger();
        QVERIFY(fx.active()->isChanged());
    }

    void palette_data() {
        QTest::addColumn<QColor>("chosen");
        QTest::addColumn<QString>("typed");
        QTest::newRow("red") << QColor(255, 0, 0) << "bgcolor=\"FF0000\"";
        QTest::newRow("blue") << QColor(0, 0, 255) << "bgcolor=\"0000FF\"";
        QTest::newRow("1,2,3") << QColor(1, 2, 3) << "bgcolor=\"010203\"";
        QTest::newRow("black") << QColor(0, 0, 0) << "bgcolor=\"000000\"";
    }

    void palette() {
        QFETCH(QColor, chosen);
        QFETCH(QString, typed);
        FrameFixture fx;
        fx.start();
        fx.active()->entry("insert_bgcolor_attribute")->trigger();
        fx.dialogs().answerColor(chosen);
        fx.active()->entry("insert_palette_color")->trigger();
        QCOMPARE(fx.text(), typed);
        QCOMPARE(fx.caret(), typed.size() - 1);
    }

    void paletteOpensOnTheLastColourAndCancelTypesIt() {
        FrameFixture fx;
        fx.start();
        fx.dialogs().answerColor(std::nullopt);
        fx.active()->entry("insert_palette_color")->trigger();
        QCOMPARE(fx.dialogs().shown().last().color, QColor(Qt::black));
        QCOMPARE(fx.text(), QStringLiteral("000000"));
        fx.dialogs().answerColor(QColor(0x12, 0x34, 0x56));
        fx.active()->entry("insert_palette_color")->trigger();
        fx.dialogs().answerColor(std::nullopt);
        fx.active()->entry("insert_palette_color")->trigger();
        QCOMPARE(fx.dialogs().shown().last().color, QColor(0x12, 0x34, 0x56));
        QCOMPARE(fx.text(), QStringLiteral("000000123456123456"));
    }

    void tableEndMovesToTheLineAboveOnWrappedText() {
        FrameFixture fx;
        fx.start();
        const QString longLine = QString(400, QLatin1Char('w'));
        fx.documents().typeKeystrokeScript(QStringLiteral("<table>~~</table>{home}{up}{end}"));
        QCOMPARE(fx.caret(), 8);
        fx.active()->loadBytes(longLine.toLatin1());
        fx.editor()->moveCursor(QTextCursor::End);
        fx.documents().typeKeystrokeScript(QStringLiteral("~~</table>{home}{up}{end}"));
        QCOMPARE(fx.caret(), 401);
    }
};

QTEST_MAIN(TestTagInsertion)
#include "tst_taginsertion.moc"
