// View > Live Preview in the running frame, on an X server: the dock beside the document windows,
// following the active one, and what the command says when the module cannot work.
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "files/DocumentFiles.h"
#include "support/FrameFixture.h"
#include "support/probe/PagePeek.h"
#include "tools/LivePreviewLoader.h"

#include <QAction>
#include <QDockWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPluginLoader>
#include <QTest>
#include <memory>

namespace {

PagePeek* peek() {
    static QPluginLoader plugin(QStringLiteral(PAGELARK_PAGE_PEEK));
    return qobject_cast<PagePeek*>(plugin.instance());
}

QDockWidget* dockOf(FrameFixture& fx) {
    return fx.frame().findChild<QDockWidget*>(QStringLiteral("live_preview_dock"));
}

// The text of the pane's first heading, asked again until it is `expected` or time runs out.
bool headingBecomes(QDockWidget* dock, const QString& expected) {
    const QString script =
        QStringLiteral("(document.querySelector('h1') || {textContent: ''}).textContent");
    return QTest::qWaitFor(
        [&] {
            auto answer = std::make_shared<QVariant>();
            peek()->evaluate(dock->widget(), script, [answer](const QVariant& v) { *answer = v; });
            return QTest::qWaitFor([&] { return answer->isValid(); }, 2000) && *answer == expected;
        },
        20000);
}

QAction* livePreviewEntry(FrameFixture& fx) {
    return fx.active()->action(Command::ViewLivePreview);
}

}  // namespace

class TestLivePreviewDock : public QObject {
    Q_OBJECT
private slots:
    void moduleThatCannotWorkIsNamedAndNothingElseChanges_data() {
        QTest::addColumn<QByteArray>("moduleFile");
        QTest::addColumn<QString>("message");
        QTest::newRow("absent") << QByteArray() << QStringLiteral("is not installed");
        QTest::newRow("unloadable")
            << QByteArray("not a library") << QStringLiteral("could not be loaded");
    }
    void moduleThatCannotWorkIsNamedAndNothingElseChanges() {
        QFETCH(QByteArray, moduleFile);
        QFETCH(QString, message);
        FrameFixture fx;
        if (!moduleFile.isEmpty())
            fx.writeFile(QStringLiteral("program/") + LivePreviewLoader::moduleFileName(),
                         moduleFile);
        fx.start();
        livePreviewEntry(fx)->trigger();
        QCOMPARE(fx.dialogs().messageTexts().size(), 1);
        QVERIFY2(fx.dialogs().messageTexts().first().contains(message),
                 qPrintable(fx.dialogs().messageTexts().first()));
        QCOMPARE(fx.dialogs().lastMessageParent(), fx.active());
        QVERIFY(!livePreviewEntry(fx)->isChecked());
        QVERIFY(!dockOf(fx));
        fx.typeText(QStringLiteral("Hello"));
        QCOMPARE(fx.text(), QStringLiteral("Hello"));
    }

    // Opened, the dock shows the active document and switches with it; closed by the user, it
    // unchecks the command; left open, it comes back at the next start.
    void dockFollowsTheActiveWindowAndIsRemembered() {
        FrameFixture fx;
        fx.setPreviewModuleFolder(QStringLiteral(PAGELARK_PREVIEW_MODULE_FOLDER));
        fx.start(fx.writeFile(QStringLiteral("first.html"), "<h1>First</h1>"));
        fx.program().files().openListedFile(
            fx.writeFile(QStringLiteral("second.html"), "<h1>Second</h1>"));
        QVERIFY(peek());
        livePreviewEntry(fx)->trigger();
        QDockWidget* dock = dockOf(fx);
        QVERIFY(dock && dock->isVisible() && livePreviewEntry(fx)->isChecked());
        QCOMPARE(fx.frame().dockWidgetArea(dock), Qt::RightDockWidgetArea);
        // The window in front is fitted to the narrower room left to it.
        QMdiArea* area = fx.frame().mdiArea();
        QTRY_VERIFY(area->activeSubWindow()->geometry().right() < area->viewport()->width());
        QVERIFY(headingBecomes(dock, QStringLiteral("Second")));
        area->setActiveSubWindow(area->subWindowList().first());
        QVERIFY(headingBecomes(dock, QStringLiteral("First")));
        fx.editor()->moveCursor(QTextCursor::Start);
        fx.typeText(QStringLiteral("<h1>Typed</h1>"));
        QVERIFY(headingBecomes(dock, QStringLiteral("Typed")));

        QVERIFY(dock->close());
        QVERIFY(!livePreviewEntry(fx)->isChecked());
        QCOMPARE(fx.prefs().get(Pref::View, Pref::LivePreview), QStringLiteral("False"));
        livePreviewEntry(fx)->trigger();
        QVERIFY(dock->isVisible() && livePreviewEntry(fx)->isChecked());
        // Dragged below the document windows and made lower, as a user would.
        fx.frame().addDockWidget(Qt::BottomDockWidgetArea, dock);
        fx.frame().resizeDocks({dock}, {150}, Qt::Vertical);
        QTRY_COMPARE(dock->height(), 150);
        fx.dialogs().answerMessage(MessageAnswer::No);  // the typed heading is not kept
        fx.restart();
        fx.dialogs().clear();
        QTRY_VERIFY(dockOf(fx) && dockOf(fx)->isVisible());
        QVERIFY(livePreviewEntry(fx)->isChecked());
        QVERIFY(fx.dialogs().messageTexts().isEmpty());
        QCOMPARE(fx.frame().dockWidgetArea(dockOf(fx)), Qt::BottomDockWidgetArea);
        QTRY_COMPARE(dockOf(fx)->height(), 150);
    }
};

QTEST_MAIN(TestLivePreviewDock)
#include "tst_livepreviewdock.moc"
