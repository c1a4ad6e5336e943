// The editor keeps the shaped text of the line being typed in, and of that line only, whatever
// happened to the lines around it.
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "editor/EditorBox.h"

namespace {

enum class Edit { SetPlainText, SelectAllAndType, DeleteAll, EnterAtLineStart, JoinWithAbove };

// An edit after typing on a line; the caret stays on that line.
void edit(EditorBox& editor, Edit how) {
    switch (how) {
        case Edit::SetPlainText:
            return editor.setPlainText(QStringLiteral("new\ntext"));
        case Edit::SelectAllAndType:
            editor.selectAll();
            return QTest::keyClicks(&editor, QStringLiteral("new"));
        case Edit::DeleteAll:
            editor.selectAll();
            return QTest::keyClick(&editor, Qt::Key_Delete);
        case Edit::EnterAtLineStart:
        case Edit::JoinWithAbove:
            editor.moveCursor(QTextCursor::StartOfBlock);
            return QTest::keyClick(&editor,
                                   how == Edit::JoinWithAbove ? Qt::Key_Backspace : Qt::Key_Return);
    }
}

// The lines that keep their shaped text.
QList<int> linesKeepingShapes(const QTextDocument& text) {
    QList<int> lines;
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        if (block.layout()->cacheEnabled())
            lines << block.blockNumber();
    }
    return lines;
}

}  // namespace

Q_DECLARE_METATYPE(Edit)

class TestEditorLayout : public QObject {
    Q_OBJECT

private slots:
    void typingKeepsTheShapesOfOneLineWhateverCameBetween_data() {
        QTest::addColumn<Edit>("how");
        QTest::newRow("setPlainText") << Edit::SetPlainText;
        QTest::newRow("select all and type") << Edit::SelectAllAndType;
        QTest::newRow("select all and delete") << Edit::DeleteAll;
        QTest::newRow("Enter at the line's start") << Edit::EnterAtLineStart;
        QTest::newRow("Backspace at the line's start") << Edit::JoinWithAbove;
    }

    void typingKeepsTheShapesOfOneLineWhateverCameBetween() {
        // Typing far down a long text, so that the line it kept lies beyond a new text.
        QFETCH(Edit, how);
        EditorBox editor;
        editor.setPlainText(QStringLiteral("line\n").repeated(200));
        editor.moveCursor(QTextCursor::End);
        editor.moveCursor(QTextCursor::Up);
        QTest::keyClicks(&editor, QStringLiteral("typed"));
        QCOMPARE(linesKeepingShapes(*editor.document()), QList<int>({199}));

        edit(editor, how);
        editor.moveCursor(QTextCursor::End);
        QTest::keyClicks(&editor, QStringLiteral("more"));
        const int last = editor.document()->blockCount() - 1;
        QVERIFY(editor.document()->lastBlock().text().endsWith(QStringLiteral("more")));
        QCOMPARE(linesKeepingShapes(*editor.document()), QList<int>({last}));

        // Typing on another line hands the shapes over to it.
        editor.moveCursor(QTextCursor::Start);
        QTest::keyClicks(&editor, QStringLiteral("x"));
        QCOMPARE(linesKeepingShapes(*editor.document()), QList<int>({0}));
    }
};

QTEST_MAIN(TestEditorLayout)
#include "tst_editorlayout.moc"
