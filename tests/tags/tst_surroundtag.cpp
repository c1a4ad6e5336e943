// Surround with tag: the pair made from what the user typed, Edit > Surround With Tag in a real
// document window (one undo step), and the dialog that asks for the tag.
#include "support/FrameFixture.h"

#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "tags/SurroundTag.h"
#include "tags/SurroundTagDialog.h"

#include <QCompleter>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestSurroundTag : public QObject {
    Q_OBJECT

    static void select(FrameFixture& fx, int anchor, int caret) {
        QTextCursor cursor = fx.editor()->textCursor();
        cursor.setPosition(anchor);
        cursor.setPosition(caret, QTextCursor::KeepAnchor);
        fx.editor()->setTextCursor(cursor);
    }

    // Answers the tag question with `typed` and presses the command's shortcut in the editor.
    static void surroundWith(FrameFixture& fx, std::optional<QString> typed) {
        fx.dialogs().answerTag(typed);
        fx.frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fx.frame()));
        fx.editor()->setFocus();
        QTest::keyClick(fx.editor(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(fx.dialogs().shown().last().kind, ScriptedDialogService::Kind::Tag);
    }

private slots:
    void pairFromTypedTag_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("opening");  // empty: no pair
        QTest::addColumn<QString>("closing");
        QTest::newRow("name") << "strong"
                              << "<strong>"
                              << "</strong>";
        QTest::newRow("attributes") << "a href=\"x\""
                                    << "<a href=\"x\">"
                                    << "</a>";
        QTest::newRow("brackets and blanks") << " < a  href=\"x\"  title='t' > "
                                             << "<a href=\"x\"  title='t'>"
                                             << "</a>";
        QTest::newRow("empty") << "  "
                               << ""
                               << "";
        QTest::newRow("brackets only") << "<>"
                                       << ""
                                       << "";
        QTest::newRow("digit first") << "1b"
                                     << ""
                                     << "";
        QTest::newRow("closing tag") << "/b"
                                     << ""
                                     << "";
        QTest::newRow("quote glued to the name") << "a\"x\""
                                                 << ""
                                                 << "";
    }

    void pairFromTypedTag() {
        QFETCH(QString, typed);
        QFETCH(QString, opening);
        QFETCH(QString, closing);
        const std::optional<TagPair> pair = tagPairFor(typed);
        QCOMPARE(pair.has_value(), !opening.isEmpty());
        if (pair)
            QCOMPARE(*pair, (TagPair{opening, closing}));
    }

    void selectionIsWrappedAsOneUndoStep() {
        FrameFixture fx;
        fx.start();
        fx.active()->loadBytes("say hello\nnow");
        fx.active()->setChanged(false);
        select(fx, 13, 4);  // from the end backwards, across the line break
        surroundWith(fx, QStringLiteral("div class=\"note\""));
        QCOMPARE(fx.text(), QStringLiteral("say <div class=\"note\">hello\nnow</div>"));
        const QTextCursor cursor = fx.editor()->textCursor();
        QCOMPARE(cursor.selectedText(), QStringLiteral("hello\u2029now"));
        QCOMPARE(cursor.position(), 22);
        QVERIFY(fx.active()->isChanged());
        QTest::keyClick(fx.editor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(fx.text(), QStringLiteral("say hello\nnow"));
    }

    void withoutSelectionThePairGoesInWithTheCaretBetween() {
        FrameFixture fx;
        fx.start();
        fx.active()->loadBytes("say now");
        select(fx, 4, 4);
        // A cancelled question and a text that names no element change nothing.
        surroundWith(fx, std::nullopt);
        surroundWith(fx, QStringLiteral("<1>"));
        QCOMPARE(fx.text(), QStringLiteral("say now"));
        QCOMPARE(fx.caret(), 4);
        surroundWith(fx, QStringLiteral("em"));
        QCOMPARE(fx.text(), QStringLiteral("say <em></em>now"));
        QCOMPARE(fx.caret(), 8);
        QVERIFY(!fx.editor()->textCursor().hasSelection());
    }

    void dialogCompletesElementNamesAndRefusesNonTags() {
        SurroundTagDialog dialog;
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("surround_tag_ok"));
        QVERIFY(!ok->isEnabled());
        QCompleter* completer = dialog.tagField()->completer();
        completer->setCompletionPrefix(QStringLiteral("BLO"));
        QCOMPARE(completer->currentCompletion(), QStringLiteral("blockquote"));
        dialog.tagField()->setText(QStringLiteral("a href=\"\""));
        QVERIFY(ok->isEnabled());
        QCOMPARE(dialog.pair()->opening, QStringLiteral("<a href=\"\">"));
        dialog.tagField()->setText(QStringLiteral("<1>"));
        QVERIFY(!ok->isEnabled());
    }
};

QTEST_MAIN(TestSurroundTag)
#include "tst_surroundtag.moc"
