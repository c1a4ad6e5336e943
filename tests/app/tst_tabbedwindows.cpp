#include "support/FrameFixture.h"

#include "document/DocumentWindow.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSettings>
#include <QTabBar>
#include <QTest>

namespace {

QStringList captions(FrameFixture& fx) {
    QStringList list;
    for (DocumentWindow* doc : fx.documents().openWindows())
        list << doc->caption();
    return list;
}

// The tabs' texts while the area shows tabs, in the order of the tabs.
QStringList tabTexts(MainFrame& frame) {
    QStringList texts;
    const QTabBar* tabs = frame.mdiArea()->findChild<QTabBar*>();
    if (tabs && tabs->isVisible()) {
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
    }
    return texts;
}

// The window list after the last separator of a Window menu, as it shows when the menu opens.
QStringList windowList(DocumentWindow* doc) {
    QMenu* menu = doc->menu("window_menu");
    menu->popup(QPoint(10, 10));
    menu->hide();
    QStringList entries;
    for (QAction* entry : menu->actions()) {
        if (entry->isSeparator())
            entries.clear();
        else
            entries << entry->text();
    }
    return entries;
}

void pickFromWindowList(DocumentWindow* doc, int entry) {
    const int listed = int(windowList(doc).size());
    const QList<QAction*> entries = doc->menu("window_menu")->actions();
    entries.at(entries.size() - listed + entry)->trigger();
}

void switchTabs(FrameFixture& fx) {
    fx.active()->action(Command::WindowTabbed)->trigger();
}

}  // namespace

class TestTabbedWindows : public QObject {
    Q_OBJECT
private slots:
    void tabsShowTheCaptionsAndTheWindowListStaysTheSame() {
        FrameFixture fx;
        MainFrame& frame = fx.start();
        QVERIFY(!fx.active()->action(Command::WindowTabbed)->isChecked());
        const QString odd = fx.writeFile("a[*]b.html", "<p>");
        fx.program().files().openDocumentFile(odd);
        fx.documents().newDocument();
        const QStringList before = windowList(fx.active());

        switchTabs(fx);
        QCOMPARE(frame.mdiArea()->viewMode(), QMdiArea::TabbedView);
        QCOMPARE(tabTexts(frame), captions(fx));
        QCOMPARE(windowList(fx.active()), before);
        for (DocumentWindow* doc : fx.documents().openWindows())
            QVERIFY(doc->action(Command::WindowTabbed)->isChecked());
        // Arranging means nothing while one window fills the area.
        QVERIFY(!fx.active()->action(Command::WindowTile)->isEnabled());

        // The list picks a tab; New and Close act as they do on windows.
        const QTabBar* tabs = frame.mdiArea()->findChild<QTabBar*>();
        for (int entry : {0, 1}) {
            pickFromWindowList(fx.active(), entry);
            QCOMPARE(fx.active()->caption(), captions(fx).at(entry));
            QCOMPARE(tabs->tabText(tabs->currentIndex()), captions(fx).at(entry));
        }
        fx.active()->action(Command::FileNew)->trigger();
        QCOMPARE(tabTexts(frame).last(), QStringLiteral("Untitled:4"));
        QCOMPARE(tabs->currentIndex(), 3);
        fx.active()->action(Command::FileClose)->trigger();
        QCOMPARE(tabTexts(frame), captions(fx));

        switchTabs(fx);
        QCOMPARE(frame.mdiArea()->viewMode(), QMdiArea::SubWindowView);
        QCOMPARE(tabTexts(frame), QStringList());
        QCOMPARE(windowList(fx.active()), before);
        QVERIFY(fx.active()->action(Command::WindowTile)->isEnabled());
    }

    void theChoiceIsStoredAndComesBackAtTheNextStart() {
        FrameFixture fx;
        fx.start();
        QCOMPARE(fx.prefs().get("Window", "Tabbed"), QString());
        switchTabs(fx);
        QCOMPARE(fx.prefs().get("Window", "Tabbed"), QStringLiteral("True"));

        MainFrame& again = fx.restart();
        QCOMPARE(QSettings(fx.settingsPath(), QSettings::IniFormat).value("Window/Tabbed"),
                 QVariant(QStringLiteral("True")));
        QCOMPARE(again.mdiArea()->viewMode(), QMdiArea::TabbedView);
        QCOMPARE(tabTexts(again), QStringList{"Untitled"});
        QVERIFY(fx.active()->action(Command::WindowTabbed)->isChecked());
        switchTabs(fx);
        QCOMPARE(fx.prefs().get("Window", "Tabbed"), QStringLiteral("False"));
    }
};

QTEST_MAIN(TestTabbedWindows)
#include "tst_tabbedwindows.moc"
