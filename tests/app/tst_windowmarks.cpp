#include "support/FrameFixture.h"

#include "app/StatusLine.h"
#include "app/WindowMarks.h"
#include "document/DocumentWindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTest>

namespace {

QImage drawn(const QIcon& icon) {
    return icon.pixmap(32).toImage();
}

// Whether the window's icon (which its tab shows too) carries the mark of unsaved changes.
bool marked(DocumentWindow* doc) {
    return drawn(doc->subWindow()->windowIcon()) ==
           drawn(WindowMarks::markedIcon(doc->window()->windowIcon()));
}

}  // namespace

class TestWindowMarks : public QObject {
    Q_OBJECT
private slots:
    // The marks follow the changed flag the close prompt asks about; captions stay as they were.
    void marksFollowTheChangedFlagThroughTypingSaveSaveAsAndClose() {
        FrameFixture fx;
        fx.start();
        const QLabel* panel = fx.frame().statusLine()->modified();
        DocumentWindow* first = fx.active();
        QVERIFY(!marked(first) && panel->text().isEmpty());
        QPixmap picture(16, 16);  // the program's picture, set once the frame is on its way
        picture.fill(Qt::red);
        QApplication::setWindowIcon(QIcon(picture));
        QCOMPARE(drawn(first->subWindow()->windowIcon()), drawn(QIcon(picture)));
        fx.typeText(QStringLiteral("a"));
        QVERIFY(marked(first));
        QCOMPARE(panel->text(), QStringLiteral("Modified"));
        QCOMPARE(first->subWindow()->windowTitle(), QStringLiteral("Untitled"));

        const QString path = fx.path(QStringLiteral("a&b.html"));
        fx.dialogs().answerFile(FileDialogResult{path, 1});
        first->action(Command::FileSaveAs)->trigger();
        QVERIFY(!marked(first) && panel->text().isEmpty());
        QCOMPARE(first->subWindow()->windowTitle(), path);

        fx.typeText(QStringLiteral("b"));
        DocumentWindow* second = fx.documents().newDocument();  // the panel is the active one's
        QVERIFY(marked(first) && !marked(second) && panel->text().isEmpty());
        first->activate();
        QCOMPARE(panel->text(), QStringLiteral("Modified"));
        first->action(Command::FileSave)->trigger();
        QVERIFY(!marked(first) && panel->text().isEmpty());

        // Tabs name the file, with its path as their tip, and show the mark.
        first->action(Command::WindowTabbed)->trigger();
        auto* tabs =
            fx.frame().mdiArea()->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(tabs->tabText(0), QStringLiteral("a&&b.html"));
        QCOMPARE(tabs->tabToolTip(0), path);
        fx.typeText(QStringLiteral("c"));
        QCOMPARE(drawn(tabs->tabIcon(0)), drawn(first->subWindow()->windowIcon()));
        QVERIFY(marked(first) && drawn(tabs->tabIcon(1)) != drawn(tabs->tabIcon(0)));

        // Closing asks about each changed window with it in front; the designed text stays.
        second->activate();
        fx.typeText(QStringLiteral("d"));
        fx.dialogs().answerMessage(MessageAnswer::No);
        second->action(Command::FileClose)->trigger();
        QCOMPARE(fx.active(), first);
        QCOMPARE(panel->text(), QStringLiteral("Modified"));
        fx.dialogs().answerMessage(MessageAnswer::Cancel);
        fx.documents().newDocument();
        fx.frame().close();
        QCOMPARE(fx.active(), first);
        QCOMPARE(fx.dialogs().messageTexts().last(),
                 QStringLiteral("The text in [") + path +
                     QStringLiteral("] has changed.\n\rDo you want to save the changes?"));
    }
};

QTEST_MAIN(TestWindowMarks)
#include "tst_windowmarks.moc"
