// The command bindings: what the table lacks or holds twice is reported, and each window's
// entries take their marks and enabled states from the rules.
#include "commands/CommandMenus.h"
#include "document/CommandHandlers.h"

#include <QAction>
#include <QTest>
#include <QWidget>

class TestCommandHandlers : public QObject {
    Q_OBJECT
private slots:
    void unboundTwiceBoundAndUnmarkedCommandsAreFaults() {
        CommandHandlers commands;
        for (int i = 0; i < kCommandCount; ++i)
            commands.bind(
                static_cast<Command>(i), [](DocumentWindow*) {},
                [](const CommandStatus&) { return false; });
        QCOMPARE(commands.faults(), QStringList());
        commands.bind(Command::FileOpen, [](DocumentWindow*) {});
        CommandHandlers missing;
        missing.bind(Command::EditWrapText, [](DocumentWindow*) {});
        QCOMPARE(commands.faults(), QStringList{u"file_open is bound 2 times"_qs});
        QVERIFY(missing.faults().contains(u"file_new has no handler"_qs));
        QVERIFY(missing.faults().contains(u"edit_wrap_text has no rule for its check mark"_qs));
    }

    void entriesFollowTheRulesAndRunTheirHandlers() {
        CommandHandlers commands;
        int runs = 0;
        commands.bind(
            Command::EditWrapText, [&runs](DocumentWindow* doc) { runs += doc ? 10 : 1; },
            [](const CommandStatus& status) { return status.wrapsText; },
            [](const CommandStatus& status) { return status.canUndo; });
        QWidget window;
        CommandMenus menus(documentMenuLayout(), &window);
        QAction* wrap = menus.action(Command::EditWrapText);
        CommandStatus status;
        status.wrapsText = true;
        commands.refresh(menus, status);
        QVERIFY(wrap->isChecked());
        QVERIFY(!wrap->isEnabled());
        status.canUndo = true;
        status.wrapsText = false;
        commands.refresh(menus, status);
        QVERIFY(!wrap->isChecked());
        QVERIFY(wrap->isEnabled());
        commands.run(Command::EditWrapText, nullptr);
        commands.run(Command::FileNew, nullptr);  // unbound: nothing happens
        QCOMPARE(runs, 1);
    }
};

QTEST_MAIN(TestCommandHandlers)
#include "tst_commandhandlers.moc"
