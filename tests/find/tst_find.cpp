#include "support/FrameFixture.h"

#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "find/FindDialog.h"
#include "find/ReplaceDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

namespace {

const QString kAbcTwice = QStringLiteral("abcabc");

// A started frame whose document holds `text`, caret at `caret`.
MainFrame& startWith(FrameFixture& fx, const QString& text, int caret = 0) {
    MainFrame& frame = fx.start();
    fx.dialogs().clear();  // only what the searches show counts
    fx.active()->loadBytes(text.toUtf8());
    QTextCursor cursor = fx.editor()->textCursor();
    cursor.setPosition(caret);
    fx.editor()->setTextCursor(cursor);
    return frame;
}

FindDialog* openFind(FrameFixture& fx) {
    fx.active()->action(Command::EditFind)->trigger();
    return fx.program().search().dialog();
}

template <typename T>
T* control(FindDialog* dialog, const char* name) {
    return dialog->findChild<T*>(QLatin1String(name));
}

// Opens Find, types `text` and presses the Find button.
void findFromDialog(FrameFixture& fx, const QString& text, int direction = 1) {
    FindDialog* dialog = openFind(fx);
    control<QRadioButton>(dialog, direction == 1 ? "direction_down_option" : "direction_up_option")
        ->click();
    QLineEdit* field = control<QLineEdit>(dialog, "find_what_field");
    field->clear();
    QTest::keyClicks(field, text);
    control<QPushButton>(dialog, "find_button")->click();
}

void findNext(FrameFixture& fx) {
    fx.active()->action(Command::EditFindNext)->trigger();
}

QPair<int, int> selection(FrameFixture& fx) {
    const QTextCursor cursor = fx.editor()->textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd()};
}

void moveCaret(FrameFixture& fx, int position) {
    QTextCursor cursor = fx.editor()->textCursor();
    cursor.setPosition(position);
    fx.editor()->setTextCursor(cursor);
}

}  // namespace

class TestFind : public QObject {
    Q_OBJECT
private slots:
    void findNextWalksDownWithoutWrapping() {
        FrameFixture fx;
        startWith(fx, kAbcTwice);
        findFromDialog(fx, QStringLiteral("abc"));
        QCOMPARE(selection(fx), qMakePair(0, 3));
        findNext(fx);
        QCOMPARE(selection(fx), qMakePair(3, 6));
        QVERIFY(fx.dialogs().messageTexts().isEmpty());
        findNext(fx);
        QCOMPARE(fx.dialogs().messageTexts(), QStringList{"Cannot find \"abc\""});
        QCOMPARE(fx.dialogs().shown().last().message.title, QStringLiteral("Pagelark"));
        QCOMPARE(fx.dialogs().shown().last().message.buttons, MessageButtons::Ok);
        QCOMPARE(selection(fx), qMakePair(3, 6));
    }

    void matchCaseDecidesWhetherCaseCounts_data() {
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("case ignored") << false << QStringList();
        QTest::newRow("exact case") << true << QStringList{"Cannot find \"ABC\""};
    }

    void matchCaseDecidesWhetherCaseCounts() {
        QFETCH(bool, matchCase);
        FrameFixture fx;
        startWith(fx, QStringLiteral("xx abc"));
        FindDialog* dialog = openFind(fx);
        if (matchCase)
            control<QCheckBox>(dialog, "match_case_check")->click();
        QCOMPARE(fx.state().search().matchCase, matchCase ? 1 : 0);
        findFromDialog(fx, QStringLiteral("ABC"));
        QTEST(fx.dialogs().messageTexts(), "messages");
        QCOMPARE(selection(fx), matchCase ? qMakePair(0, 0) : qMakePair(3, 6));
    }

    void upSearchStartsBeforeTheCaret_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QList<int>>("matches");  // -1: "Cannot find "
        QTest::newRow("from the very start") << QStringLiteral("abab") << 0 << QList<int>{-1};
        QTest::newRow("from the end, repeated")
            << QStringLiteral("ababab") << 6 << QList<int>{4, 2, 0, -1};
        // A first search tries the starts from two characters before the caret backwards, so a
        // match that begins just before the caret is passed over.
        QTest::newRow("first search skips the start before the caret")
            << QStringLiteral("ababab") << 5 << QList<int>{2, 0, -1};
    }

    void upSearchStartsBeforeTheCaret() {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QList<int>, matches);
        FrameFixture fx;
        startWith(fx, text, caret);
        findFromDialog(fx, QStringLiteral("ab"), 0);
        for (qsizetype i = 0; i < matches.size(); ++i) {
            if (i > 0)
                findNext(fx);
            if (matches[i] < 0) {
                QCOMPARE(fx.dialogs().messageTexts(), QStringList{"Cannot find \"ab\""});
                QCOMPARE(fx.editor()->textCursor().selectionStart(),
                         i == 0 ? caret : matches[i - 1]);
            } else {
                QCOMPARE(selection(fx), qMakePair(matches[i], matches[i] + 2));
            }
        }
    }

    void aMovedCaretIsWhereTheNextSearchStarts() {
        FrameFixture fx;
        startWith(fx, QStringLiteral("abab ab"));
        findFromDialog(fx, QStringLiteral("ab"));
        findNext(fx);
        QCOMPARE(selection(fx), qMakePair(2, 4));
        // A match that begins right at the new caret counts.
        moveCaret(fx, 5);
        findNext(fx);
        QCOMPARE(selection(fx), qMakePair(5, 7));
        moveCaret(fx, 0);
        findNext(fx);
        QCOMPARE(selection(fx), qMakePair(0, 2));
    }

    void searchSeesEditsMadeSinceTheLastSearch() {
        FrameFixture fx;
        startWith(fx, QStringLiteral("one\ntwo"));
        findFromDialog(fx, QStringLiteral("TWO"));
        QCOMPARE(selection(fx), qMakePair(4, 7));
        moveCaret(fx, 0);
        fx.typeText(QStringLiteral("two "));
        moveCaret(fx, 0);
        findNext(fx);
        QCOMPARE(selection(fx), qMakePair(0, 3));
        while (fx.text() != QLatin1String("one\ntwo") && fx.editor()->document()->isUndoAvailable())
            fx.editor()->undo();
        QCOMPARE(fx.text(), QStringLiteral("one\ntwo"));
        moveCaret(fx, 0);
        findNext(fx);
        QCOMPARE(selection(fx), qMakePair(4, 7));
    }

    void findFillsTheFieldFromTheVisibleBox_data() {
        QTest::addColumn<bool>("wrapping");
        QTest::newRow("wrapping box") << true;
        QTest::newRow("non-wrapping box") << false;
    }

    void findFillsTheFieldFromTheVisibleBox() {
        QFETCH(bool, wrapping);
        FrameFixture fx;
        startWith(fx, QStringLiteral("alpha beta"));
        fx.state().search().text = QStringLiteral("earlier");
        if (!wrapping)
            fx.active()->action(Command::EditWrapText)->trigger();
        QCOMPARE(fx.editor()->wraps(), wrapping);
        QTextCursor cursor = fx.editor()->textCursor();
        cursor.setPosition(6);
        cursor.setPosition(10, QTextCursor::KeepAnchor);
        fx.editor()->setTextCursor(cursor);
        FindDialog* dialog = openFind(fx);
        QCOMPARE(control<QLineEdit>(dialog, "find_what_field")->text(), QStringLiteral("beta"));
        QVERIFY(control<QPushButton>(dialog, "find_button")->isEnabled());
        QVERIFY(fx.state().search().firstTime);
        // The other box's caret has no selection: the last search text comes back.
        fx.active()->action(Command::EditWrapText)->trigger();
        QCOMPARE(openFind(fx), dialog);
        QCOMPARE(control<QLineEdit>(dialog, "find_what_field")->text(), QStringLiteral("earlier"));
    }

    void dialogOpensCentredWithFindWaitingForText() {
        FrameFixture fx;
        startWith(fx, kAbcTwice);
        FindDialog* dialog = openFind(fx);
        const QRect screen = dialog->screen()->geometry();
        QCOMPARE(dialog->pos(), QPoint((screen.width() - dialog->width()) / 2,
                                       (screen.height() - dialog->height()) / 2));
        QLineEdit* field = control<QLineEdit>(dialog, "find_what_field");
        QPushButton* find = control<QPushButton>(dialog, "find_button");
        QVERIFY(!find->isEnabled());
        QVERIFY(find->isDefault());
        QTest::keyClick(field, Qt::Key_X);
        QVERIFY(find->isEnabled());
        QTest::keyClick(field, Qt::Key_Backspace);
        QVERIFY(!find->isEnabled());
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(fx.dialogs().shown().isEmpty());
        QCOMPARE(openFind(fx), dialog);  // one dialog at a time
    }

    void directionAndCaseSurviveTheDialog() {
        FrameFixture fx;
        startWith(fx, kAbcTwice);
        FindDialog* dialog = openFind(fx);
        QVERIFY(control<QRadioButton>(dialog, "direction_down_option")->isChecked());
        control<QRadioButton>(dialog, "direction_up_option")->click();
        control<QCheckBox>(dialog, "match_case_check")->click();
        QTest::keyClicks(control<QLineEdit>(dialog, "find_what_field"), QStringLiteral("bc"));
        QTest::keyClick(dialog, Qt::Key_Escape);  // Escape is Cancel
        QTRY_VERIFY(!fx.program().search().dialog());
        QCOMPARE(fx.state().search().direction, 0);
        QCOMPARE(fx.state().search().matchCase, 1);
        QCOMPARE(fx.state().search().text, QStringLiteral("bc"));

        dialog = openFind(fx);
        QVERIFY(control<QRadioButton>(dialog, "direction_up_option")->isChecked());
        QVERIFY(!control<QRadioButton>(dialog, "direction_down_option")->isChecked());
        QVERIFY(control<QCheckBox>(dialog, "match_case_check")->isChecked());
        QCOMPARE(control<QLineEdit>(dialog, "find_what_field")->text(), QStringLiteral("bc"));
    }

    // A screen reader or the keyboard changes the boxes without a click; the search follows.
    void boxesSetWithoutAClickSteerTheSearch() {
        FrameFixture fx;
        startWith(fx, QStringLiteral("ABC abc ABC"), 11);
        FindDialog* dialog = openFind(fx);
        auto* matchCase = control<QCheckBox>(dialog, "match_case_check");
        auto* up = control<QRadioButton>(dialog, "direction_up_option");
        auto* down = control<QRadioButton>(dialog, "direction_down_option");
        matchCase->setChecked(true);
        up->setChecked(true);
        QCOMPARE(fx.state().search().matchCase, 1);
        QCOMPARE(fx.state().search().direction, 0);
        QTest::keyClicks(control<QLineEdit>(dialog, "find_what_field"), QStringLiteral("abc"));
        control<QPushButton>(dialog, "find_button")->click();
        QCOMPARE(selection(fx), qMakePair(4, 7));
        findNext(fx);
        QCOMPARE(fx.dialogs().messageTexts(), QStringList{"Cannot find \"abc\""});

        matchCase->setChecked(false);
        down->setChecked(true);
        QCOMPARE(fx.state().search().matchCase, 0);
        QCOMPARE(fx.state().search().direction, 1);
        findNext(fx);
        QCOMPARE(selection(fx), qMakePair(8, 11));
    }

    // Find "zlib", Esc, Ctrl+H: what is typed next replaces the pre-filled text, every time.
    void replaceSelectsItsPrefilledTextOnEveryOpening() {
        FrameFixture fx;
        MainFrame& frame = startWith(fx, QStringLiteral("zlib gzip"));
        for (const QString& word : {QStringLiteral("zlib"), QStringLiteral("gzip")}) {
            findFromDialog(fx, word);
            QTest::keyClick(fx.program().search().dialog(), Qt::Key_Escape);
            frame.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&frame));
            fx.editor()->setFocus();
            QTest::keyClick(fx.editor(), Qt::Key_H, Qt::ControlModifier);
            auto* dialog = fx.frame().findChild<ReplaceDialog*>(QStringLiteral("replace_dialog"));
            QTRY_COMPARE(QApplication::activeWindow(), dialog);
            QCOMPARE(dialog->options().findText, word);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("QQ"));
            QCOMPARE(dialog->options().findText, QStringLiteral("QQ"));
            dialog->close();
        }
    }

    void f3WithoutSearchTextOpensFind() {
        FrameFixture fx;
        MainFrame& frame = startWith(fx, kAbcTwice);
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        fx.editor()->setFocus();
        QTest::keyClick(fx.editor(), Qt::Key_F3);
        QVERIFY(fx.program().search().dialog());
        QVERIFY(fx.program().search().dialog()->isVisible());
        QVERIFY(fx.dialogs().shown().isEmpty());

        // With a search text, F3 searches.
        fx.program().search().dialog()->close();
        fx.state().search().text = QStringLiteral("cab");
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        fx.editor()->setFocus();
        QTest::keyClick(fx.editor(), Qt::Key_F3);
        QCOMPARE(selection(fx), qMakePair(2, 5));
    }
};

QTEST_MAIN(TestFind)
#include "tst_find.moc"
