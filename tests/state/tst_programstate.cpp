// The program state on its own: the recent-file list, the document table and the marks, with no
// window in sight.
#include "state/PreferencesStore.h"
#include "state/ProgramState.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

using SwitchField = bool EditorSwitches::*;
Q_DECLARE_METATYPE(EditorSwitch)
Q_DECLARE_METATYPE(SwitchField)

class TestProgramState : public QObject {
    Q_OBJECT

    std::unique_ptr<PreferencesStore> freshStore() {
        return std::make_unique<PreferencesStore>(
            m_dir.filePath(QStringLiteral("prefs-%1.ini").arg(m_counter++)));
    }

private slots:
    void recentListShowsWhatTheStoreHeldAtTheLastRebuild() {
        auto store = freshStore();
        ProgramState state(*store, {});
        RecentFileList& recent = state.recentFiles();
        QSignalSpy rebuilt(&recent, &RecentFileList::rebuilt);
        recent.rebuild();  // nothing stored: nothing drawn
        QCOMPARE(rebuilt.count(), 0);
        for (const char* file : {"A", "B", "C", "D", "E"})
            recent.add(QLatin1String(file));
        QCOMPARE(state.preferences().recentFiles(), QStringList({"E", "D", "C", "B"}));
        recent.add(QStringLiteral("C"));  // shown already: the order stays
        QCOMPARE(state.preferences().recentFiles(), QStringList({"E", "D", "C", "B"}));
        QCOMPARE(rebuilt.last().first().toStringList(), QStringList({"E", "D", "C", "B"}));

        // Cleared: the store loses the list and takes nothing, the menus keep theirs.
        state.preferences().clearAll();
        state.setPreferencesCleared(true);
        recent.add(QStringLiteral("F"));
        QCOMPARE(state.preferences().recentFiles(), QStringList());
        QCOMPARE(recent.shown(), QStringList({"E", "D", "C", "B"}));
        // Writing again: one new file replaces the first entry only.
        state.setPreferencesCleared(false);
        recent.add(QStringLiteral("G"));
        QCOMPARE(rebuilt.last().first().toStringList(), QStringList{"G"});
        QCOMPARE(recent.shown(), QStringList({"G", "D", "C", "B"}));
    }

    void changedMarkIsNewsOnlyWhenItChanges() {
        auto store = freshStore();
        ProgramState state(*store, {});
        DocumentTable& table = state.documents();
        table.startWith();
        QSignalSpy changed(&table, &DocumentTable::changedMarkChanged);
        for (bool mark : {true, true, true, false, false})
            table.setChanged(1, mark);
        QCOMPARE(changed.count(), 2);
    }

    void aReusedSlotStartsClean() {
        auto store = freshStore();
        ProgramState state(*store, {});
        DocumentTable& table = state.documents();
        table.startWith();
        table.setCaption(1, QStringLiteral("/a.html"));
        table.setChanged(1, true);
        table.setMarks(1, {true, true, true});
        table.release(1);
        QCOMPARE(table.findFreeSlot(), 1);
        QVERIFY(!table.isChanged(1));
        QCOMPARE(table.marks(1), MenuMarks{});
        table.setCaption(1, QStringLiteral("Untitled:1"));
        QVERIFY(table.isUntitled(1));
    }

    void theFramesClearMarkIsTheStoresMode() {
        auto store = freshStore();
        ProgramState state(*store, {});
        QSignalSpy marks(&state, &ProgramState::marksChanged);
        state.setPreferencesCleared(true);
        QVERIFY(store->isCleared());
        QVERIFY(state.frameMarks().preferencesCleared);
        state.setFrameMarks({true, false, false});
        QVERIFY(state.frameMarks().useTemplate);
        QVERIFY(!store->isCleared());
        QCOMPARE(marks.count(), 2);
    }

    void startWithoutDocumentIsStoredUnlessTheWindowChoseItWhileCleared() {
        auto store = freshStore();
        ProgramState state(*store, {});
        state.documents().startWith();
        state.toggleStartWithoutDocument(1);
        QVERIFY(state.marksOf(1).startWithoutDocument);
        QVERIFY(state.frameMarks().startWithoutDocument);
        QVERIFY(state.preferences().startWithoutDocument());
        QVERIFY(state.marksForNewWindow().startWithoutDocument);
        // Cleared, the window's own mark flips alone: nothing could be stored.
        state.setPreferencesCleared(true);
        state.toggleStartWithoutDocument(1);
        QVERIFY(!state.marksOf(1).startWithoutDocument);
        QVERIFY(state.frameMarks().startWithoutDocument);
        state.setPreferencesCleared(false);
        state.toggleStartWithoutDocument(std::nullopt);
        QVERIFY(!state.frameMarks().startWithoutDocument);
        QVERIFY(!state.preferences().startWithoutDocument());
        QVERIFY(!state.closesStartWindow());
        state.preferences().setStartWithoutDocument(true);
        QVERIFY(state.closesStartWindow());
        QVERIFY(state.frameMarks().startWithoutDocument);
    }

    void clearingAsksFirstAndAMarkedEntryEndsTheModeAtOnce() {
        auto store = freshStore();
        ProgramState state(*store, {});
        state.documents().startWith();
        state.preferences().setToolbarShown(true);
        state.setTemplateMarks(true, 1);
        QVERIFY(state.marksOf(1).useTemplate && state.frameMarks().useTemplate);
        QVERIFY(state.clearingNeedsConsent(1));
        state.clearPreferences(1);
        QVERIFY(!state.preferences().toolbarShown());
        QVERIFY(state.preferencesCleared());
        QVERIFY(state.marksOf(1).preferencesCleared);
        QVERIFY(!state.marksOf(1).useTemplate && !state.frameMarks().useTemplate);
        // The window's marked entry switches the mode off without a question.
        QVERIFY(!state.clearingNeedsConsent(1));
        QVERIFY(!state.preferencesCleared());
        QVERIFY(!state.marksOf(1).preferencesCleared);
    }

    void editorSwitchesFlipForEveryWindowAndAreStored_data() {
        QTest::addColumn<EditorSwitch>("which");
        QTest::addColumn<SwitchField>("field");
        QTest::newRow("colouring")
            << EditorSwitch::SyntaxColouring << &EditorSwitches::syntaxColouring;
        QTest::newRow("line numbers") << EditorSwitch::LineNumbers << &EditorSwitches::lineNumbers;
        QTest::newRow("large files")
            << EditorSwitch::OpenLargeFiles << &EditorSwitches::openLargeFiles;
    }
    void editorSwitchesFlipForEveryWindowAndAreStored() {
        QFETCH(EditorSwitch, which);
        QFETCH(SwitchField, field);
        auto store = freshStore();
        ProgramState state(*store, {});
        const bool before = state.editorSwitches().*field;
        QSignalSpy changed(&state, &ProgramState::editorSwitchesChanged);
        state.flipEditorSwitch(which);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(state.editorSwitches().*field, !before);
        const EditorSwitches stored{state.preferences().syntaxColouring(),
                                    state.preferences().lineNumbers(),
                                    state.preferences().openLargeFiles()};
        QCOMPARE(stored, state.editorSwitches());
    }

private:
    QTemporaryDir m_dir;
    int m_counter = 0;
};

QTEST_GUILESS_MAIN(TestProgramState)
#include "tst_programstate.moc"
