// Check Page (libtidy's problems, the panel and jumping to a problem, the checker process and
// what the panel says when it fails) and the preview, through the real frame where the user
// would see them.
#include "support/FrameFixture.h"

#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "tools/BrowserPreview.h"
#include "tools/PageCheckPanel.h"
#include "tools/PageChecker.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>
#include <csignal>
#include <memory>

namespace {

const QString kPageHead =
    QStringLiteral("<!DOCTYPE html>\n<html><head><title>t</title></head><body>\n");

// Checks `editor` in `panel` and waits for the result.
bool checkAndWait(PageCheckPanel& panel, EditorBox& editor) {
    QSignalSpy finished(&panel, &PageCheckPanel::checkFinished);
    panel.check(&editor);
    return finished.wait(10000);
}

// Presses `key` in the active editor of an active frame, where the menu shortcuts reach it.
void pressInEditor(FrameFixture& fx, Qt::Key key) {
    fx.frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fx.frame()));
    fx.editor()->setFocus();
    QTest::keyClick(fx.editor(), key);
}

// What the program's own checker process answers for `text`; nothing when it gave no answer.
std::optional<PageCheckResult> checkNow(const QString& text) {
    PageCheckRun run(PageChecker::programChecker(), PageChecker::kTimeLimit);
    std::optional<PageCheckResult> answer;
    QObject::connect(&run, &PageCheckRun::ended, [&](auto ending, const PageCheckResult& result) {
        if (ending == PageCheckRun::Ending::Checked)
            answer = result;
    });
    QSignalSpy ended(&run, &PageCheckRun::ended);
    QTextDocument page;
    page.setPlainText(text);
    run.start(page);
    ended.wait(30000);
    return answer;
}

// A stand-in checker: a shell script.
CheckerCommand script(const QString& commands) {
    return {QStringLiteral("/bin/sh"), {QStringLiteral("-c"), commands}};
}

bool processIsGone(qint64 pid) {
    return ::kill(pid_t(pid), 0) != 0;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

Q_DECLARE_METATYPE(CheckerCommand)

class TestPageTools : public QObject {
    Q_OBJECT
private slots:
    void unclosedElementIsListedAndChoosingItMovesTheCaretThere() {
        FrameFixture fx;
        fx.start();
        QVERIFY(!fx.frame().findChild<PageCheckPanel*>());  // not made at start-up
        const QByteArray page = (kPageHead + "<p>\tsee\t<b>bold</p>\n</body></html>\n").toUtf8();
        DocumentWindow* doc =
            fx.program().files().openDocumentFile(fx.writeFile("page.html", page));
        pressInEditor(fx, Qt::Key_F7);
        PageCheckPanel* panel = fx.program().pageTools().panel();
        QVERIFY(panel && panel->isVisible());
        // The panel's arrival leaves the page's window active, with its menus and the keyboard.
        QCOMPARE(fx.active(), doc);
        QCOMPARE(QApplication::focusWidget(), doc->editor());
        QTRY_VERIFY_WITH_TIMEOUT(!panel->isChecking(), 10000);
        QVERIFY(panel->title()->text().endsWith(doc->caption()));
        QCOMPARE(fx.text().toUtf8(), page);
        QVERIFY(!doc->isChanged());

        const QList<QListWidgetItem*> found =
            panel->list()->findItems(QStringLiteral("missing </b>"), Qt::MatchContains);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0]->text(),
                 QStringLiteral("line 3 column 17 - Warning: missing </b> before </p>"));
        // Another window is active by then; choosing the problem brings the page's back.
        fx.documents().newDocument();
        QVERIFY(fx.active() != doc);
        panel->list()->setCurrentItem(found[0]);
        QTest::keyClick(panel->list(), Qt::Key_Return);
        QCOMPARE(fx.active(), doc);
        QCOMPARE(QApplication::focusWidget(), doc->editor());
        const QTextCursor caret = doc->editor()->textCursor();
        QCOMPARE(caret.blockNumber(), 2);
        QCOMPARE(caret.positionInBlock(), 8);  // after "<p>", a tab, "see" and a tab
    }

    void cleanPageSaysSo() {
        EditorBox editor;
        editor.setPlainText(kPageHead + "<p>fine</p>\n</body></html>\n");
        PageCheckPanel panel;
        QVERIFY(checkAndWait(panel, editor));
        QCOMPARE(panel.list()->count(), 1);
        QCOMPARE(panel.list()->item(0)->text(), QStringLiteral("No problems found."));
    }

    void deeplyNestedPageDoesNotTakeTheProgramDown() {
        // libtidy recurses a level per element and overflows its stack, minutes later.
        EditorBox editor;
        editor.setPlainText(kPageHead + QStringLiteral("<div>").repeated(100000) + "x");
        PageCheckPanel panel;
        panel.setTimeLimit(std::chrono::seconds(2));
        QVERIFY(checkAndWait(panel, editor));
        QVERIFY(!panel.isChecking());
        QVERIFY(panel.list()->count() > 0);
        QVERIFY(panel.list()->item(0)->text() != QStringLiteral("Checking the page..."));
    }

    void checkerFaultsAreToldInPlainWords_data() {
        QTest::addColumn<CheckerCommand>("checker");
        QTest::addColumn<QString>("told");
        QTest::newRow("crash") << script("kill -SEGV $$") << "the checker crashed on this page";
        QTest::newRow("failure") << script("exit 3") << "the checker crashed on this page";
        QTest::newRow("hang") << script("exec sleep 30") << "took longer than 0.5 seconds";
        QTest::newRow("page echoed") << CheckerCommand{"/bin/cat", {}} << "could not be read";
        QTest::newRow("endless output")
            << CheckerCommand{"/usr/bin/yes", {}} << "could not be read";
        QTest::newRow("missing") << CheckerCommand{"/no/such/pagelark-check", {}} << "is missing";
        QTest::newRow("none found") << CheckerCommand{} << "is missing";
    }

    void checkerFaultsAreToldInPlainWords() {
        QFETCH(CheckerCommand, checker);
        QFETCH(QString, told);
        EditorBox editor;  // megabytes, to fill the pipe of a checker that never reads it
        editor.setPlainText(kPageHead + QStringLiteral("<p>a page</p>\n").repeated(200000));
        PageCheckPanel panel;
        panel.setChecker(checker);
        panel.setTimeLimit(std::chrono::milliseconds(500));
        QVERIFY(checkAndWait(panel, editor));
        QCOMPARE(panel.list()->count(), 1);
        QVERIFY2(panel.list()->item(0)->text().contains(told),
                 qPrintable(panel.list()->item(0)->text()));
        QVERIFY(!panel.findChild<QToolButton*>(QStringLiteral("page_check_stop"))->isEnabled());
    }

    void stopAndQuittingEndTheCheckerAtOnce_data() {
        QTest::addColumn<bool>("destroyPanel");
        QTest::newRow("Stop") << false;
        QTest::newRow("panel destroyed, as on quitting") << true;
    }

    void stopAndQuittingEndTheCheckerAtOnce() {
        QFETCH(bool, destroyPanel);
        QTemporaryDir dir;
        const QString pidFile = dir.filePath(QStringLiteral("pid"));
        EditorBox editor;
        editor.setPlainText(kPageHead);
        auto panel = std::make_unique<PageCheckPanel>();
        panel->setChecker(script("echo $$ >'" + pidFile + "'; exec sleep 30"));
        QSignalSpy finished(panel.get(), &PageCheckPanel::checkFinished);
        panel->check(&editor);
        QTRY_VERIFY(fileBytes(pidFile).endsWith('\n'));
        const qint64 pid = fileBytes(pidFile).trimmed().toLongLong();
        QVERIFY(!processIsGone(pid));
        if (destroyPanel) {
            panel.reset();
            QVERIFY(processIsGone(pid));
            return;
        }
        panel->findChild<QToolButton*>(QStringLiteral("page_check_stop"))->click();
        QVERIFY(processIsGone(pid));
        QCOMPARE(finished.size(), 1);
        QVERIFY(!panel->isChecking());
        QCOMPARE(panel->list()->item(0)->text(), QStringLiteral("Checking was stopped."));
    }

    void stopCheckIsThereOnlyWhileACheckRuns() {
        FrameFixture fx;
        fx.start();
        QAction* stop = fx.active()->action(Command::ToolsStopCheck);
        fx.active()->refreshMenus();
        QVERIFY(!stop->isEnabled());
        fx.active()->action(Command::ToolsCheckPage)->trigger();
        PageCheckPanel* panel = fx.program().pageTools().panel();
        QTRY_VERIFY(!panel->isChecking());
        panel->setChecker(script(QStringLiteral("exec sleep 30")));
        fx.active()->action(Command::ToolsCheckPage)->trigger();
        QVERIFY(panel->isChecking());
        QVERIFY(stop->isEnabled());
        stop->trigger();
        QVERIFY(!panel->isChecking());
        QCOMPARE(panel->list()->item(0)->text(), QStringLiteral("Checking was stopped."));
        QVERIFY(!stop->isEnabled());
    }

    void editWhileThePageIsHandedOverChecksTheEditedPage() {
        // The first checker reads a little of the page and no more; the second keeps all of it.
        QTemporaryDir dir;
        EditorBox editor;
        editor.setPlainText(kPageHead + QStringLiteral("<p>a page</p>\n").repeated(200000));
        PageCheckPanel panel;
        panel.setChecker(
            script("cd '" + dir.path() +
                   "'; if [ -e began ]; then cat >kept; printf 'pagelark-check 1\\nend\\n';"
                   " else : >began; head -c 1000 >/dev/null; : >read; sleep 30; fi"));
        QSignalSpy finished(&panel, &PageCheckPanel::checkFinished);
        panel.check(&editor);
        QTRY_VERIFY(QFile::exists(dir.filePath(QStringLiteral("read"))));
        QTextCursor(editor.document()).insertText(QStringLiteral("edited "));
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.size(), 1);
        QCOMPARE(panel.list()->item(0)->text(), QStringLiteral("No problems found."));
        QCOMPARE(QString::fromUtf8(fileBytes(dir.filePath(QStringLiteral("kept")))),
                 editor.document()->toRawText().replace(QChar::ParagraphSeparator, u'\n'));
    }

    void checkerIsFoundBesideTheProgramOrInstalled_data() {
        QTest::addColumn<QString>("checkerAt");  // under a prefix whose bin holds the program
        QTest::addColumn<bool>("executable");
        QTest::addColumn<bool>("found");
        QTest::newRow("beside, as built") << "bin/pagelark-check" << true << true;
        QTest::newRow("installed") << "libexec/pagelark/pagelark-check" << true << true;
        QTest::newRow("not executable") << "bin/pagelark-check" << false << false;
    }

    void checkerIsFoundBesideTheProgramOrInstalled() {
        QFETCH(QString, checkerAt);
        QFETCH(bool, executable);
        QFETCH(bool, found);
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath(QFileInfo(prefix.filePath(checkerAt)).path()));
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
        QFile checker(prefix.filePath(checkerAt));
        QVERIFY(checker.open(QIODevice::WriteOnly));
        checker.setPermissions(executable ? QFile::ExeOwner | QFile::ReadOwner : QFile::ReadOwner);
        const QString program = PageChecker::findChecker(prefix.filePath("bin")).program;
        QCOMPARE(program, found ? QFileInfo(checker).absoluteFilePath() : QString());
    }

    void checkerAnswerIsReadOnlyWhenWhole_data() {
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("no end") << QByteArray("pagelark-check 1\n");
        QTest::newRow("other format") << QByteArray("pagelark-check 2\nend\n");
        QTest::newRow("unknown severity")
            << QByteArray("pagelark-check 1\nnote\t1\t1\tm\tr\nend\n");
        QTest::newRow("negative line") << QByteArray("pagelark-check 1\nerror\t-1\t1\tm\tr\nend\n");
        QTest::newRow("field missing") << QByteArray("pagelark-check 1\nerror\t1\t1\tm\nend\n");
        QTest::newRow("too many") << "pagelark-check 1\n" +
                                         QByteArray("error\t1\t1\tm\tr\n").repeated(1001) + "end\n";
    }

    void checkerAnswerIsReadOnlyWhenWhole() {
        QFETCH(QByteArray, answer);
        QVERIFY(!PageCheckAnswer::read(answer));
    }

    void checkerAnswerKeepsEachProblemOnItsLine() {
        PageCheckResult sent;
        sent.truncated = true;
        sent.problems << PageProblem{PageProblem::Severity::Error, 3, 17, "a\tb", "c\nd"}
                      << PageProblem{PageProblem::Severity::Warning, 0, 0, QString(2000, u'x'),
                                     "\U0001F600"};
        const std::optional<PageCheckResult> read =
            PageCheckAnswer::read(PageCheckAnswer::write(sent));
        QVERIFY(read);
        sent.problems[0].message = "a b";
        sent.problems[0].report = "c d";
        sent.problems[1].message.truncate(1000);
        QCOMPARE(*read, sent);
    }

    void oddInputGivesProblemsOnItsOwnLines_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("nul characters")
            << (QStringLiteral("<p>a") + QChar(0) + "b\n</i>" + QChar(0));
        QTest::newRow("lone surrogate and junk") << QStringLiteral("<\xD800<<>>&#;\n<a href=>");
        QTest::newRow("paragraph separators")
            << QString(kPageHead + "<div>\u2029\u2029</body></html>").replace(u'\n', QChar(0x2029));
    }

    void oddInputGivesProblemsOnItsOwnLines() {
        QFETCH(QString, text);
        const int lines = int(text.count(u'\n') + text.count(QChar(0x2029))) + 1;
        const std::optional<PageCheckResult> result = checkNow(text);
        QVERIFY(result);
        for (const PageProblem& problem : result->problems)
            QVERIFY2(problem.line >= 0 && problem.line <= lines, qPrintable(problem.report));
    }

    void tidyColumnIsFoundInTheLine_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("offset");
        QTest::newRow("tab after text") << "ab\tx" << 9 << 3;
        QTest::newRow("character beyond the basic plane") << "\U0001F600<b>" << 2 << 2;
        QTest::newRow("beyond the end") << "ab" << 10 << 2;
    }

    void tidyColumnIsFoundInTheLine() {
        QFETCH(QString, line);
        QFETCH(int, column);
        QFETCH(int, offset);
        QCOMPARE(PageChecker::offsetOfColumn(line, column), offset);
    }

    void previewShowsOnlyTheSavedFile_data() {
        QTest::addColumn<bool>("titled");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<QString>("saveAsAnswer");  // empty: Save As is cancelled
        QTest::addColumn<bool>("shown");
        QTest::newRow("saved") << true << false << "" << true;
        QTest::newRow("changed: Save first") << true << true << "" << true;
        QTest::newRow("untitled: Save As first") << false << true << "new.html" << true;
        QTest::newRow("Save As cancelled") << false << false << "" << false;
        QTest::newRow("save failed") << false << true << "no/such/folder/x.html" << false;
    }

    void previewShowsOnlyTheSavedFile() {
        QFETCH(bool, titled);
        QFETCH(bool, edited);
        QFETCH(QString, saveAsAnswer);
        QFETCH(bool, shown);
        FrameFixture fx;
        fx.start();
        if (titled)
            fx.program().files().openDocumentFile(fx.writeFile("page.html", "<p>"));
        if (edited)
            fx.typeText(QStringLiteral("x"));
        if (!saveAsAnswer.isEmpty())
            fx.dialogs().answerFile(FileDialogResult{fx.path(saveAsAnswer), 2});
        pressInEditor(fx, Qt::Key_F12);
        DocumentWindow* doc = fx.active();
        if (!shown) {
            QVERIFY(fx.openedUrls().isEmpty());
            QVERIFY(doc->isUntitled() || doc->isChanged());
            return;
        }
        QCOMPARE(fx.openedUrls(), QList<QUrl>{QUrl::fromLocalFile(doc->caption())});
        QVERIFY(!doc->isChanged());
        QCOMPARE(fileBytes(doc->caption()), fx.text().toUtf8());
    }

    void browserVariableNamesCommandsToTry_data() {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QList<BrowserCommand>>("commands");
        const QString url = QStringLiteral("file:///tmp/a%20b.html");
        QTest::newRow("several, the address last, empty ones skipped")
            << "x-www-browser::lynx -dump"
            << QList<BrowserCommand>{{"x-www-browser", {url}}, {"lynx", {"-dump", url}}};
        QTest::newRow("quoted, the address for %s, % for %%")
            << "\"/opt/my browser\" --page=%s%%"
            << QList<BrowserCommand>{{"/opt/my browser", {"--page=" + url + "%"}}};
    }
    void browserVariableNamesCommandsToTry() {
        QFETCH(QString, variable);
        QFETCH(QList<BrowserCommand>, commands);
        QCOMPARE(browserCommands(variable, previewUrl(QStringLiteral("/tmp/a b.html"))), commands);
    }

    // The first of BROWSER's commands that starts is used.
    void theBrowserTheUserNamedIsStarted() {
        QTemporaryDir dir;
        const QString seen = dir.filePath(QStringLiteral("seen"));
        qputenv("BROWSER", "no-such-browser:sh -c \"echo $0 > " + seen.toUtf8() + "\" %s");
        const QUrl page = previewUrl(dir.filePath(QStringLiteral("page.html")));
        QVERIFY(openInBrowser(page));
        qunsetenv("BROWSER");
        QTRY_COMPARE(fileBytes(seen), page.toEncoded() + "\n");
    }

    void previewWithoutABrowserSaysWhatToDo() {
        FrameFixture fx;
        fx.start();
        DocumentWindow* doc =
            fx.program().files().openDocumentFile(fx.writeFile("page.html", "<p>"));
        fx.program().pageTools().setUrlOpener([](const QUrl&) { return false; });
        fx.dialogs().clear();
        pressInEditor(fx, Qt::Key_F12);
        const QStringList said = fx.dialogs().messageTexts();
        QCOMPARE(said.size(), 1);
        QVERIFY2(said[0].split(u'\n').contains(doc->caption()), qPrintable(said[0]));
        for (const char* words : {"No web browser", "Install", "default"})
            QVERIFY2(said[0].contains(QLatin1String(words)), words);
    }

    void previewSavesWhatTheBrowserCouldNotReadFirst() {
        QCOMPARE(previewStep(false, false), PreviewStep::ShowNow);
        QCOMPARE(previewStep(false, true), PreviewStep::SaveFirst);
        QCOMPARE(previewStep(true, true), PreviewStep::SaveAsFirst);
        QCOMPARE(previewUrl(QStringLiteral("/tmp/my page#1.html")).toString(QUrl::FullyEncoded),
                 QStringLiteral("file:///tmp/my%20page%231.html"));
    }
};

QTEST_MAIN(TestPageTools)
#include "tst_pagetools.moc"
