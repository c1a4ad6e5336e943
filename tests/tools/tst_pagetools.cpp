// Check Page (libtidy's problems, the panel and jumping to a problem) and the preview's rules.
#include "document/EditorBox.h"
#include "tools/BrowserPreview.h"
#include "tools/PageCheckPanel.h"
#include "tools/PageChecker.h"

#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

namespace {

const QString kPageHead =
    QStringLiteral("<!DOCTYPE html>\n<html><head><title>t</title></head><body>\n");

// Checks `editor` in `panel` and waits for the result.
bool checkAndWait(PageCheckPanel& panel, EditorBox& editor) {
    QSignalSpy finished(&panel, &PageCheckPanel::checkFinished);
    panel.check(&editor);
    return finished.wait(10000);
}

}  // namespace

class TestPageTools : public QObject {
    Q_OBJECT
private slots:
    void unclosedElementIsListedAndChoosingItMovesTheCaretThere() {
        EditorBox editor;
        editor.setPlainText(kPageHead + "<p>\tsee\t<b>bold</p>\n</body></html>\n");
        editor.document()->setModified(false);
        const QString before = editor.document()->toRawText();
        PageCheckPanel panel;
        QVERIFY(checkAndWait(panel, editor));
        QCOMPARE(editor.document()->toRawText(), before);
        QVERIFY(!editor.document()->isModified());

        const QList<QListWidgetItem*> found =
            panel.list()->findItems(QStringLiteral("missing </b>"), Qt::MatchContains);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0]->text(),
                 QStringLiteral("line 3 column 17 - Warning: missing </b> before </p>"));
        connect(&panel, &PageCheckPanel::problemChosen, &PageCheckPanel::moveCaretTo);
        panel.list()->setCurrentItem(found[0]);
        QTest::keyClick(panel.list(), Qt::Key_Return);
        const QTextCursor caret = editor.textCursor();
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
        const PageCheckResult result = PageChecker::check(text);
        for (const PageProblem& problem : result.problems)
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
