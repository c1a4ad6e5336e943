#include "support/FrameFixture.h"

#include "app/StatusLine.h"
#include "app/WindowMarks.h"
#include "document/DocumentWindow.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTest>

namespace {

QImage drawn(const QIcon& icon) {
    return icon.pixmap(32).toImage();
}

// Whether the window's icon carries the mark of unsaved changes.
bool marked(DocumentWindow* doc) {
    const QIcon plain = doc->window()->windowIcon();
    return drawn(doc->subWindow()->windowIcon()) == drawn(WindowMarks::markedIcon(plain));
}

QString panel(FrameFixture& fx) {
    return fx.frame().statusLine()->modified()->text();
}

QTabBar* tabsOf(FrameFixture& fx) {
    return fx.frame().mdiArea()->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace

class TestWindowMarks : public QObject {
    Q_OBJECT
private slots:
    void marksFollowTheChangedFlagThroughTypingSaveSaveAsAndClose() {
        FrameFixture fx;
        fx.start();
        DocumentWindow* first = fx.active();
        QVERIFY(!marked(first));
        QCOMPARE(panel(fx), QString());
        QVERIFY(drawn(WindowMarks::markedIcon(first->window()->windowIcon())) !=
                drawn(first->window()->windowIcon()));

        fx.typeText(QStringLiteral("a"));
        QVERIFY(marked(first));
        QCOMPARE(panel(fx), QStringLiteral("Modified"));
        QCOMPARE(first->subWindow()->windowTitle(), QStringLiteral("Untitled"));

        const QString path = fx.path(QStringLiteral("page.html"));
        fx.dialogs().answerFile(FileDialogResult{path, 1});
        first->action(Command::FileSaveAs)->trigger();
        QVERIFY(!marked(first));
        QCOMPARE(panel(fx), QString());
        QCOMPARE(first->subWindow()->windowTitle(), path);

        fx.typeText(QStringLiteral("b"));
        QVERIFY(marked(first));
        // The panel is the active window's: a new one is unchanged, the first one still is.
        DocumentWindow* second = fx.documents().newDocument();
        QCOMPARE(panel(fx), QString());
        QVERIFY(!marked(second));
        first->activate();
        QCOMPARE(panel(fx), QStringLiteral("Modified"));
        first->action(Command::FileSave)->trigger();
        QVERIFY(!marked(first));
        QCOMPARE(panel(fx), QString());

        fx.typeText(QStringLiteral("c"));
        second->activate();
        fx.typeText(QStringLiteral("d"));
        QVERIFY(marked(first) && marked(second));
        fx.dialogs().answerMessage(MessageAnswer::No);
        second->action(Command::FileClose)->trigger();
        QCOMPARE(fx.active(), first);
        QCOMPARE(panel(fx), QStringLiteral("Modified"));
    }

    void tabsNameTheFileAndShowTheMark() {
        FrameFixture fx;
        const QString path = fx.writeFile(QStringLiteral("a&b.html"), "<p>");
        fx.start();
        fx.active()->action(Command::WindowTabbed)->trigger();
        DocumentWindow* doc = fx.program().files().openDocumentFile(path);
        QTabBar* tabs = tabsOf(fx);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Untitled"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("a&&b.html"));
        QCOMPARE(tabs->tabToolTip(1), path);
        QCOMPARE(doc->subWindow()->windowTitle(), path);

        fx.typeText(QStringLiteral("x"));
        QCOMPARE(drawn(tabs->tabIcon(1)), drawn(doc->subWindow()->windowIcon()));
        QVERIFY(marked(doc));
        const QString renamed = fx.path(QStringLiteral("renamed.html"));
        fx.dialogs().answerFile(FileDialogResult{renamed, 1});
        doc->action(Command::FileSaveAs)->trigger();
        QCOMPARE(tabs->tabText(1), QStringLiteral("renamed.html"));
        QCOMPARE(tabs->tabToolTip(1), renamed);
        QCOMPARE(drawn(tabs->tabIcon(1)), drawn(doc->window()->windowIcon()));

        // Tabs made afresh, and in their new order once moved.
        doc->action(Command::WindowTabbed)->trigger();
        doc->action(Command::WindowTabbed)->trigger();
        tabs = tabsOf(fx);
        QCOMPARE(tabs->tabText(1), QStringLiteral("renamed.html"));
        tabs->moveTab(1, 0);
        fx.typeText(QStringLiteral("y"));
        QVERIFY(drawn(tabs->tabIcon(0)) != drawn(tabs->tabIcon(1)));
        fx.dialogs().answerFile(FileDialogResult{fx.path(QStringLiteral("moved.html")), 1});
        doc->action(Command::FileSaveAs)->trigger();
        QCOMPARE(tabs->tabText(0), QStringLiteral("moved.html"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Untitled"));
    }

    void theClosePromptBringsItsWindowToTheFront() {
        FrameFixture fx;
        fx.start();
        DocumentWindow* first = fx.active();
        fx.typeText(QStringLiteral("a"));
        fx.documents().newDocument();
        fx.dialogs().answerMessage(MessageAnswer::Cancel);
        fx.frame().close();
        QCOMPARE(fx.dialogs().messageTexts(),
                 QStringList{QStringLiteral("The text in [Untitled] has changed.\n\r"
                                            "Do you want to save the changes?")});
        QCOMPARE(fx.active(), first);
    }
};

QTEST_MAIN(TestWindowMarks)
#include "tst_windowmarks.moc"
