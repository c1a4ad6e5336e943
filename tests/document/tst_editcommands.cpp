#include "support/FrameFixture.h"

#include "document/DocumentWindow.h"
#include "document/EditOperations.h"
#include "editor/EditorBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

namespace {

void trigger(FrameFixture& fx, Command command) {
    fx.active()->action(command)->trigger();
}

void select(EditorBox* box, int anchor, int position) {
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
}

// A frame whose active editor holds `bytes` as a clean document and has the keyboard focus.
void startWith(FrameFixture& fx, const QByteArray& bytes) {
    MainFrame& frame = fx.start();
    fx.active()->loadBytes(bytes);
    fx.active()->setChanged(false);
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    fx.editor()->setFocus();
    QCOMPARE(QApplication::focusWidget(), fx.editor());
}

QClipboard* clipboard() {
    return QGuiApplication::clipboard();
}

// The entries after the menu's last separator.
QStringList windowListTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* entry : menu->actions()) {
        if (entry->isSeparator())
            texts.clear();
        else
            texts << entry->text() + (entry->isChecked() ? QStringLiteral(" *") : QString());
    }
    return texts;
}

}  // namespace

class TestEditCommands : public QObject {
    Q_OBJECT
private slots:
    void deleteRemovesOneStepOrTheSelection_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("changed");
        QTest::newRow("caret at the very end")
            << QByteArray("ab\ncd") << 5 << 5 << "ab\ncd" << false;
        QTest::newRow("one character") << QByteArray("abc") << 1 << 1 << "ac" << true;
        QTest::newRow("line break of LF") << QByteArray("ab\ncd") << 2 << 2 << "abcd" << true;
        QTest::newRow("CR LF in one step") << QByteArray("ab\r\ncd") << 2 << 2 << "abcd" << true;
        QTest::newRow("selection exactly") << QByteArray("abcdef") << 4 << 1 << "aef" << true;
        QTest::newRow("selection to the end") << QByteArray("ab\ncd") << 1 << 5 << "a" << true;
    }

    void deleteRemovesOneStepOrTheSelection() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, anchor);
        QFETCH(int, position);
        FrameFixture fx;
        startWith(fx, bytes);
        select(fx.editor(), anchor, position);
        trigger(fx, Command::EditDelete);
        QTEST(fx.text(), "expected");
        QTEST(fx.active()->isChanged(), "changed");
        QCOMPARE(fx.caret(), std::min(anchor, position));
    }

    void editorKeysRunTheProgramsCommands() {
        FrameFixture fx;
        startWith(fx, "one two\r\nthree");
        EditorBox* box = fx.editor();
        const auto spyOn = [&](Command command) {
            return std::make_unique<QSignalSpy>(fx.active()->action(command), &QAction::triggered);
        };
        const auto copied = spyOn(Command::EditCopy);
        select(box, 4, 11);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(copied->count(), 1);
        // Plain text only (the editor's own copy would add HTML), with a line feed for the break.
        QCOMPARE(clipboard()->mimeData()->formats(), QStringList{"text/plain"});
        QCOMPARE(clipboard()->text(), QStringLiteral("two\nthr"));

        const auto cut = spyOn(Command::EditCut);
        select(box, 0, 4);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(cut->count(), 1);
        QCOMPARE(clipboard()->text(), QStringLiteral("one "));
        QCOMPARE(fx.text(), QStringLiteral("two\nthree"));

        const auto deleted = spyOn(Command::EditDelete);
        select(box, 3, 3);
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(deleted->count(), 1);
        QCOMPARE(fx.text(), QStringLiteral("twothree"));

        const auto pasted = spyOn(Command::EditPaste);
        clipboard()->setText(QStringLiteral("A\r\nB"));
        select(box, 0, 3);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(pasted->count(), 1);
        // A pasted CR LF is one line break, as in a loaded file.
        QCOMPARE(fx.text(), QStringLiteral("A\nBthree"));
        QCOMPARE(fx.caret(), 3);
        QVERIFY(fx.active()->isChanged());
    }

    void copyWithoutSelectionLeavesAnEmptyText() {
        FrameFixture fx;
        startWith(fx, "text");
        clipboard()->setText(QStringLiteral("old"));
        EditOperations::copySelection(fx.editor());
        QVERIFY(clipboard()->mimeData()->hasText());
        QCOMPARE(clipboard()->text(), QString());
        QVERIFY(!fx.active()->isChanged());
    }

    void pasteWithoutTextRemovesTheSelection() {
        FrameFixture fx;
        startWith(fx, "abcdef");
        auto* data = new QMimeData;
        data->setData(QStringLiteral("application/x-pagelark-test"), "bytes");
        clipboard()->setMimeData(data);
        select(fx.editor(), 1, 3);
        trigger(fx, Command::EditPaste);
        QCOMPARE(fx.text(), QStringLiteral("adef"));
        QCOMPARE(fx.caret(), 1);
    }

    void selectAllSelectsBothBoxesWithoutMovingTheFocus() {
        FrameFixture fx;
        startWith(fx, "first line\nsecond line");
        select(fx.editor(), 3, 5);
        trigger(fx, Command::EditWrapText);  // the other box gets its own selection first
        select(fx.editor(), 7, 7);
        trigger(fx, Command::EditWrapText);
        trigger(fx, Command::EditSelectAll);
        QCOMPARE(QApplication::focusWidget(), fx.editor());
        QCOMPARE(fx.editor()->textCursor().selectionStart(), 0);
        QCOMPARE(fx.editor()->textCursor().selectionEnd(), 22);
        trigger(fx, Command::EditWrapText);
        QVERIFY(!fx.editor()->wraps());
        QCOMPARE(fx.editor()->textCursor().selectionStart(), 0);
        QCOMPARE(fx.editor()->textCursor().selectionEnd(), 22);
    }

    void timeDateTypesTheLocaleTextAtTheCaret() {
        FrameFixture fx;
        startWith(fx, "ab+cd");
        select(fx.editor(), 2, 2);
        const QLocale locale = QLocale::system();
        const auto textAt = [&](const QDateTime& when) {
            return locale.toString(when.date(), QLocale::ShortFormat) + u' ' +
                   locale.toString(when.time(), QLocale::LongFormat);
        };
        const QDateTime before = QDateTime::currentDateTime();
        trigger(fx, Command::InsertTimeDate);
        const QDateTime after = QDateTime::currentDateTime();
        const QString typed = fx.text().mid(2, fx.text().size() - 5);
        QVERIFY2(typed == textAt(before) || typed == textAt(after), qPrintable(typed));
        QVERIFY(fx.text().startsWith(QLatin1String("ab")));
        QVERIFY(fx.text().endsWith(QLatin1String("+cd")));
        QCOMPARE(fx.caret(), 2 + typed.size());
        QVERIFY(fx.active()->isChanged());
    }

    void tileStacksTheWindowsAtFullWidth() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        fx.documents().newDocument();
        DocumentWindow* last = fx.documents().newDocument();
        trigger(fx, Command::WindowTile);
        const QSize client = frame.mdiArea()->viewport()->size();
        QList<QRect> rects;
        for (QMdiSubWindow* sub : frame.mdiArea()->subWindowList())
            rects << sub->geometry();
        std::sort(rects.begin(), rects.end(),
                  [](const QRect& a, const QRect& b) { return a.top() < b.top(); });
        QCOMPARE(rects.size(), 3);
        int top = 0;
        for (const QRect& rect : rects) {
            QCOMPARE(rect.left(), 0);
            QCOMPARE(rect.width(), client.width());
            QCOMPARE(rect.top(), top);
            QVERIFY(rect.height() >= client.height() / 3 - 1);
            top = rect.bottom() + 1;
        }
        QCOMPARE(top, client.height());
        // The active window is on top.
        QCOMPARE(last->subWindow()->y(), 0);
    }

    void arrangeIconsLinesUpMinimizedWindowsAtTheBottom() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        DocumentWindow* second = fx.documents().newDocument();
        DocumentWindow* third = fx.documents().newDocument();
        for (DocumentWindow* doc : {second, third}) {
            doc->subWindow()->showMinimized();
            doc->subWindow()->move(40, 20);
        }
        trigger(fx, Command::WindowArrangeIcons);
        const int bottom = frame.mdiArea()->viewport()->height();
        const QRect first = second->subWindow()->geometry();
        const QRect next = third->subWindow()->geometry();
        QCOMPARE(first.topLeft(), QPoint(0, bottom - first.height()));
        QCOMPARE(next.topLeft(), QPoint(first.width(), bottom - next.height()));
    }

    void windowListNamesTheWindowsAndActivatesTheChosenOne() {
        FrameFixture fx;
        fx.start();
        DocumentWindow* first = fx.active();
        fx.documents().newDocument()->setCaption(QStringLiteral("/tmp/R&D.html"));
        QMenu* menu = fx.active()->menu("window_menu");
        emit menu->aboutToShow();
        QCOMPARE(windowListTexts(menu), (QStringList{"&1 Untitled", "&2 /tmp/R&&D.html *"}));
        emit menu->aboutToShow();  // rebuilt, not appended to
        QCOMPARE(windowListTexts(menu).size(), 2);
        menu->actions()[menu->actions().size() - 2]->trigger();
        QCOMPARE(fx.active(), first);
    }
};

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
