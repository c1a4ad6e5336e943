#include "document/EditOperations.h"
#include "editor/EditorAppearance.h"
#include "editor/EditorBox.h"
#include "syntax/SyntaxColoring.h"
#include "tags/TextEditBuffer.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QTextBlock>

namespace {

// A shown editor holding `text`, the caret at `caret`.
void showEditor(EditorBox& editor, const QString& text, int caret) {
    editor.resize(400, 300);
    editor.setPlainText(text);
    QTextCursor cursor(editor.document());
    cursor.setPosition(caret);
    editor.setTextCursor(cursor);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
}

QRect lineRect(const EditorBox& editor, int line) {
    return editor.shownRect(editor.document()->findBlockByNumber(line)).toRect();
}

// The colour right of the text on a line, where only its background shows.
QColor backgroundOf(EditorBox& editor, int line) {
    QCoreApplication::processEvents();
    return editor.viewport()->grab().toImage().pixelColor(editor.viewport()->width() - 5,
                                                          lineRect(editor, line).center().y());
}

int distance(const QColor& a, const QColor& b) {
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
}

}  // namespace

class TestLineAids : public QObject {
    Q_OBJECT
private slots:
    void theCaretsLineHasAFaintBackgroundOfItsOwn_data() {
        QTest::addColumn<bool>("coloured");
        QTest::addColumn<QColor>("base");
        QTest::addColumn<QColor>("text");
        QTest::newRow("light") << false << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("dark, coloured") << true << QColor(30, 30, 30) << QColor(220, 220, 220);
        QTest::newRow("chosen colours") << false << QColor(0, 0, 128) << QColor(255, 255, 0);
    }
    void theCaretsLineHasAFaintBackgroundOfItsOwn() {
        QFETCH(bool, coloured);
        QFETCH(QColor, base);
        QFETCH(QColor, text);
        EditorBox editor;
        EditorAppearance::setBackColor(editor, base);
        EditorAppearance::setForeColor(editor, text);
        if (coloured)
            new SyntaxColoring(editor);
        showEditor(editor, QStringLiteral("<p>a</p>\n<p>b</p>\n<p>c</p>"), 0);
        editor.setCurrentLineShown(true);
        const QColor line = QColor(editor.currentLineColor().rgb());
        // Faint: far nearer the background than the text, whatever the colours.
        QVERIFY(line != base && distance(line, base) * 6 < distance(line, text));
        QCOMPARE(backgroundOf(editor, 0), line);
        QCOMPARE(backgroundOf(editor, 1), base);
        editor.moveCursor(QTextCursor::Down);
        QCOMPARE(backgroundOf(editor, 0), base);
        QCOMPARE(backgroundOf(editor, 1), line);
        editor.setCurrentLineShown(false);
        QCOMPARE(backgroundOf(editor, 1), base);
    }

    void enterKeepsTheLinesLeadingBlanksInOneUndoStep_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("typed");  // the text after Enter, then "x"
        QTest::newRow("blanks") << "    <li>a" << 9 << 9 << "    <li>a\n    x";
        QTest::newRow("tabs and blanks") << "\t <td>" << 6 << 6 << "\t <td>\n\t x";
        QTest::newRow("caret within the blanks") << "    a" << 2 << 2 << "  \n  x  a";
        QTest::newRow("a selection replaced") << "  abc" << 3 << 5 << "  a\n  x";
        QTest::newRow("no blanks") << "abc" << 3 << 3 << "abc\nx";
    }
    void enterKeepsTheLinesLeadingBlanksInOneUndoStep() {
        QFETCH(QString, text);
        QFETCH(int, anchor);
        QFETCH(int, caret);
        EditorBox editor;
        editor.setAutoIndent(true);
        showEditor(editor, text, anchor);
        QTextCursor selection = editor.textCursor();
        selection.setPosition(caret, QTextCursor::KeepAnchor);
        editor.setTextCursor(selection);
        QTest::keyClick(&editor, Qt::Key_Return);
        QTest::keyClick(&editor, Qt::Key_X);
        QTEST(editor.toPlainText(), "typed");
        editor.undo();
        editor.undo();
        QCOMPARE(editor.toPlainText(), text);
    }

    void scriptsPastesUndoAndTheSwitchedOffEditorTypeAsBefore() {
        EditorBox editor;
        showEditor(editor, QStringLiteral("    <ul>"), 8);
        editor.setAutoIndent(true);
        TextEditBuffer::typeScript(&editor, QStringLiteral("~<li>"));  // a script's line break
        QGuiApplication::clipboard()->setText(QStringLiteral("\n<li>"));
        EditOperations::pasteClipboard(&editor);
        QCOMPARE(editor.toPlainText(), QStringLiteral("    <ul>\n<li>\n<li>"));
        editor.undo();
        QCOMPARE(editor.toPlainText(), QStringLiteral("    <ul>\n<li>"));

        editor.setAutoIndent(false);
        editor.setPlainText(QStringLiteral("    <ul>"));
        editor.moveCursor(QTextCursor::End);
        QTest::keyClick(&editor, Qt::Key_Return);
        QCOMPARE(editor.toPlainText(), QStringLiteral("    <ul>\n"));
    }
};

QTEST_MAIN(TestLineAids)
#include "tst_lineaids.moc"
