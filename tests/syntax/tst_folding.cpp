// Folding: where folds start and end in HTML, folds kept through edits around them and opened by
// whatever lands in them, and folded text written and found like any other.
#include "support/FrameFixture.h"

#include "app/StatusLine.h"
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "editor/FoldedLines.h"
#include "syntax/FoldFinder.h"
#include "syntax/HtmlFolding.h"
#include "syntax/HtmlLexer.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTextBlock>

namespace {

QTextBlock line(const QTextDocument& text, int number) {
    return text.findBlockByNumber(number - 1);
}

int startState(const QTextBlock& block) {
    int state = HtmlLexer::kInitialState;
    for (QTextBlock each = block.document()->firstBlock(); each != block; each = each.next())
        state = HtmlLexer::lexLine(each.text(), state, nullptr);
    return state;
}

// The lines hidden under `header` (1-based), as "first-last", or "" when it is not folded.
QString hiddenUnder(const EditorBox& editor, int header) {
    const QTextBlock block = line(*editor.document(), header);
    if (!FoldedLines::isFolded(block))
        return {};
    return QStringLiteral("%1-%2")
        .arg(header + 1)
        .arg(FoldedLines::lastHidden(block).blockNumber() + 1);
}

void moveCaret(EditorBox& editor, int lineNumber, bool toEnd) {
    QTextCursor caret(line(*editor.document(), lineNumber));
    if (toEnd)
        caret.movePosition(QTextCursor::EndOfBlock);
    editor.setTextCursor(caret);
}

// Types `text` into the editor key by key, "\n" as Enter.
void type(EditorBox& editor, const QString& text) {
    for (QChar c : text) {
        if (c == u'\n')
            QTest::keyClick(&editor, Qt::Key_Return);
        else
            QTest::keyClick(&editor, c.toLatin1());
    }
}

const QString kPage =
    QStringLiteral("<p>top</p>\n<div class=\"box\">\n  <p>a</p>\n  b\n</div>\n<p>end</p>");

}  // namespace

class TestFolding : public QObject {
    Q_OBJECT
private slots:
    void foldsEndWhereTheirElementEnds_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("header");
        QTest::addColumn<int>("last");  // 0: nothing folds there
        QTest::newRow("element") << u"<div>\n<p>a</p>\n</div>\nafter"_qs << 1 << 3;
        QTest::newRow("nested element of the same name")
            << u"<div>\n<div>\n</div>\n</div>"_qs << 1 << 4;
        QTest::newRow("end tag in other case") << u"<DIV>\nx\n</div>"_qs << 1 << 3;
        QTest::newRow("start tag over two lines") << u"<div\n class=\"x\">\nt\n</div>"_qs << 1 << 4;
        QTest::newRow("closed on its own line") << u"<p>a</p>\nb\n</p>"_qs << 1 << 0;
        QTest::newRow("void element") << u"<img src=\"x\">\nb\n</img>"_qs << 1 << 0;
        QTest::newRow("self-closed") << u"<div/>\nb\n</div>"_qs << 1 << 0;
        QTest::newRow("comment") << u"<!-- a\nb\n-->\nc"_qs << 1 << 3;
        QTest::newRow("tags in a comment do not count")
            << u"<div>\n<!-- </div> -->\n</div>"_qs << 1 << 3;
        QTest::newRow("tags in a script do not count")
            << u"<script>\nvar s = '<div>';\n</script>\n</div>"_qs << 1 << 3;
        QTest::newRow("line inside a comment") << u"<!--\n<div>\n-->\n</div>"_qs << 2 << 0;
        QTest::newRow("list item ended by the next")
            << u"<ul>\n<li>a\nb\n<li>c\nd\n</ul>"_qs << 2 << 3;
        QTest::newRow("list item ended by its list")
            << u"<ul>\n<li>a\nb\n<li>c\nd\n</ul>"_qs << 4 << 5;
        QTest::newRow("never closed") << u"<div>\na\nb"_qs << 1 << 0;
    }

    void foldsEndWhereTheirElementEnds() {
        QFETCH(QString, text);
        QFETCH(int, header);
        QFETCH(int, last);
        QTextDocument document(text);
        const QTextBlock block = line(document, header);
        const int state = startState(block);
        const FoldFinder::Fold fold = FoldFinder::find(block, state);
        QCOMPARE(fold.outcome == FoldFinder::Outcome::Found ? fold.last.blockNumber() + 1 : 0,
                 last);
        // The gutter's mark agrees, apart from a fold that never ends.
        if (last > 0)
            QVERIFY(FoldFinder::opensFold(block.text(), state));
    }

    void aFoldIsLookedForOnlySoFar() {
        QString text = u"<div>\n"_qs;
        text += QString(FoldFinder::kMaxLines + 1, u'\n') + u"</div>"_qs;
        QTextDocument document(text);
        QCOMPARE(FoldFinder::find(document.firstBlock(), 0).outcome, FoldFinder::Outcome::TooFar);
    }

    void foldedLinesStayFoldedThroughEditsAroundThem_data() {
        QTest::addColumn<int>("lineNumber");  // where the caret goes before typing
        QTest::addColumn<bool>("atEnd");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("header");      // the folded line afterwards
        QTest::addColumn<QString>("hidden");  // the lines still hidden under it
        QTest::newRow("typing on the line above") << 1 << false << u"x"_qs << 2 << u"3-5"_qs;
        QTest::newRow("a line added above") << 1 << true << u"\n"_qs << 3 << u"4-6"_qs;
        QTest::newRow("typing at the end of the folded line")
            << 2 << true << u" id"_qs << 2 << u"3-5"_qs;
        QTest::newRow("typing below") << 6 << false << u"\nx"_qs << 2 << u"3-5"_qs;
        QTest::newRow("a break at the start of the folded line")
            << 2 << false << u"\n"_qs << 3 << u"4-6"_qs;
        QTest::newRow("a break at the end of the folded line opens it")
            << 2 << true << u"\n"_qs << 2 << QString();
    }

    void foldedLinesStayFoldedThroughEditsAroundThem() {
        QFETCH(int, lineNumber);
        QFETCH(bool, atEnd);
        QFETCH(QString, typed);
        QFETCH(int, header);
        QFETCH(QString, hidden);
        EditorBox editor;
        editor.setPlainText(kPage);
        editor.resize(400, 300);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        HtmlFolding& folding = HtmlFolding::of(editor);
        moveCaret(editor, 2, false);
        QCOMPARE(folding.fold(editor.textCursor().block()), u"Folded lines 2 to 5."_qs);
        QCOMPARE(hiddenUnder(editor, 2), u"3-5"_qs);
        moveCaret(editor, lineNumber, atEnd);
        QString expected = kPage;
        expected.insert(editor.textCursor().position(), typed);
        type(editor, typed);
        QCOMPARE(hiddenUnder(editor, header), hidden);
        QCOMPARE(editor.toPlainText(), expected);
    }

    void theGutterFoldsAndUnfoldsWhereItShowsAMark() {
        FrameFixture fx;
        fx.start();
        fx.active()->loadBytes(kPage.toUtf8());
        EditorBox& editor = *fx.editor();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        auto* gutter = editor.findChild<QWidget*>(QStringLiteral("line_numbers"));
        const QRectF header = editor.shownRect(line(*editor.document(), 2));
        const QPoint mark(gutter->width() - 3, int(header.center().y()));
        QTest::mouseClick(gutter, Qt::LeftButton, {}, mark);
        QCOMPARE(hiddenUnder(editor, 2), u"3-5"_qs);
        QTest::mouseClick(gutter, Qt::LeftButton, {}, mark);
        QCOMPARE(hiddenUnder(editor, 2), QString());
        // No fold starts on the first line: a click there does nothing.
        const QRectF first = editor.shownRect(line(*editor.document(), 1));
        QTest::mouseClick(gutter, Qt::LeftButton, {}, {mark.x(), int(first.center().y())});
        QCOMPARE(hiddenUnder(editor, 1), QString());
    }

    void findFindsFoldedTextAndOpensItsFold() {
        FrameFixture fx;
        fx.start();
        fx.active()->loadBytes(kPage.toUtf8());
        moveCaret(*fx.editor(), 2, false);
        fx.active()->action(Command::ViewFold)->trigger();
        QCOMPARE(hiddenUnder(*fx.editor(), 2), u"3-5"_qs);
        fx.state().search().text = u"  b"_qs;  // line 4 alone
        fx.active()->action(Command::EditFindNext)->trigger();
        QCOMPARE(fx.editor()->textCursor().selectedText(), u"  b"_qs);
        QCOMPARE(fx.editor()->textCursor().blockNumber() + 1, 4);
        QCOMPARE(hiddenUnder(*fx.editor(), 2), QString());
        QVERIFY(fx.editor()->textCursor().block().isVisible());
        // Fold again and take every fold away in one go.
        moveCaret(*fx.editor(), 2, false);
        fx.active()->action(Command::ViewFold)->trigger();
        fx.active()->action(Command::ViewUnfoldAll)->trigger();
        QCOMPARE(fx.frame().statusLine()->message()->text(), u"Unfolded 1 fold."_qs);
        QCOMPARE(hiddenUnder(*fx.editor(), 2), QString());
    }

    void saveWritesTheFoldedLinesToo() {
        FrameFixture fx;
        fx.start();
        const QByteArray bytes = "<html>\r\n<body>\r\n<div>\r\n\xc2\xa0x\r\n</div>\r\n</body>\r\n";
        const QString path = fx.writeFile(u"page.html"_qs, bytes);
        DocumentWindow* doc = fx.program().files().openDocumentFile(path);
        QVERIFY(doc);
        moveCaret(*doc->editor(), 2, false);
        doc->action(Command::ViewFold)->trigger();
        QCOMPARE(hiddenUnder(*doc->editor(), 2), u"3-6"_qs);
        type(*doc->editor(), u"x"_qs);
        doc->action(Command::FileSave)->trigger();
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(),
                 "<html>\r\nx<body>\r\n<div>\r\n\xc2\xa0x\r\n</div>\r\n</body>\r\n");
    }
};

QTEST_MAIN(TestFolding)
#include "tst_folding.moc"
