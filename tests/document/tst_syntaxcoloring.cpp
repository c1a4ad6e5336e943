#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <memory>

#include "document/EditorBox.h"
#include "document/SyntaxColoring.h"
#include "document/SyntaxColors.h"

namespace {

// The colour laid on a character, or an invalid colour where it has none.
QColor colorAt(const QTextBlock& block, int offset) {
    for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
        if (offset >= range.start && offset < range.start + range.length)
            return range.format.foreground().color();
    }
    return {};
}

}  // namespace

class TestSyntaxColoring : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void closingACommentRecolorsTheLinesBelowAndReopeningItRecolorsThemBack();
    void colorsScriptOverLinesAndLeavesTheDocumentUntouched();
    void typingInAColoredLineLaysItOutAsWithoutColors();
    void aLongTextIsLexedInIdleSlicesAndColouredWhereItIsShown();
    void switchingOffTakesEveryColourOff();
    void followsTheBackgroundColour();
    void colorsReadOnAnyBackground_data();
    void colorsReadOnAnyBackground();
    void appliesToEverythingButTextAndBatchFiles_data();
    void appliesToEverythingButTextAndBatchFiles();

private:
    QColor expected(SyntaxKind kind) const {
        return SyntaxColors::forBackground(m_editor->palette().color(QPalette::Base))[int(kind)];
    }
    QTextBlock line(int number) const { return m_editor->document()->findBlockByNumber(number); }
    void showLine(int number) {
        QTextCursor cursor(line(number));
        m_editor->setTextCursor(cursor);
        m_editor->ensureCursorVisible();
        QCoreApplication::processEvents();
    }

    std::unique_ptr<EditorBox> m_editor;
};

void TestSyntaxColoring::init() {
    m_editor = std::make_unique<EditorBox>();
    m_editor->resize(500, 300);
    m_editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
}

void TestSyntaxColoring::cleanup() {
    m_editor.reset();
}

void TestSyntaxColoring::closingACommentRecolorsTheLinesBelowAndReopeningItRecolorsThemBack() {
    m_editor->setPlainText(u"<!-- open\n<p class=\"x\">\ntext <b>"_qs);
    new SyntaxColoring(*m_editor);
    QCoreApplication::processEvents();
    QCOMPARE(colorAt(line(1), 1), expected(SyntaxKind::Comment));
    QCOMPARE(colorAt(line(2), 6), expected(SyntaxKind::Comment));

    // The colours are no part of the text: the next edit reports only itself.
    QSignalSpy changes(m_editor->document(), &QTextDocument::contentsChange);
    QTextCursor cursor(line(0));
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.insertText(u" -->"_qs);
    QCOMPARE(changes.first(), (QVariantList{9, 0, 4}));
    QCoreApplication::processEvents();
    QCOMPARE(colorAt(line(1), 1), expected(SyntaxKind::Tag));
    QCOMPARE(colorAt(line(1), 4), expected(SyntaxKind::AttributeName));
    QCOMPARE(colorAt(line(2), 0), QColor());
    QCOMPARE(colorAt(line(2), 6), expected(SyntaxKind::Tag));

    m_editor->undo();
    QCoreApplication::processEvents();
    QCOMPARE(colorAt(line(1), 1), expected(SyntaxKind::Comment));
    QCOMPARE(colorAt(line(2), 6), expected(SyntaxKind::Comment));
}

void TestSyntaxColoring::colorsScriptOverLinesAndLeavesTheDocumentUntouched() {
    m_editor->setPlainText(u"<script>\nvar s = \"<p>\";\n</script>\n<p>"_qs);
    m_editor->document()->setModified(false);
    new SyntaxColoring(*m_editor);
    QCoreApplication::processEvents();
    QCOMPARE(colorAt(line(1), 0), expected(SyntaxKind::Keyword));
    QCOMPARE(colorAt(line(1), 9), expected(SyntaxKind::String));
    QCOMPARE(colorAt(line(3), 0), expected(SyntaxKind::Tag));
    QVERIFY(!m_editor->document()->isModified());
    QVERIFY(!m_editor->document()->isUndoAvailable());
}

void TestSyntaxColoring::typingInAColoredLineLaysItOutAsWithoutColors() {
    // The edited line gets its colours ahead of the layout; wrapping onto more lines as the user
    // types must still move the lines below and the scroll bar exactly as without colours.
    EditorBox plain;
    for (EditorBox* editor : {m_editor.get(), &plain}) {
        editor->resize(300, 200);
        editor->show();
        editor->setPlainText(QStringList(40, u"<td class=\"c\">cell</td>"_qs).join(u'\n'));
        editor->setTextCursor(QTextCursor(editor->document()->findBlockByNumber(2)));
    }
    QVERIFY(QTest::qWaitForWindowExposed(&plain));
    new SyntaxColoring(*m_editor);
    QCoreApplication::processEvents();
    for (int key = 0; key < 40; ++key) {
        QTest::keyClick(m_editor.get(), Qt::Key_X);
        QTest::keyClick(&plain, Qt::Key_X);
    }
    QCoreApplication::processEvents();
    QVERIFY(!m_editor->document()->documentLayout()->signalsBlocked());
    QVERIFY(line(2).layout()->lineCount() > 1);
    QCOMPARE(line(2).layout()->lineCount(),
             plain.document()->findBlockByNumber(2).layout()->lineCount());
    QCOMPARE(m_editor->verticalScrollBar()->maximum(), plain.verticalScrollBar()->maximum());
    QCOMPARE(m_editor->shownRect(line(3)), plain.shownRect(plain.document()->findBlockByNumber(3)));
    QCOMPARE(colorAt(line(2), 41), expected(SyntaxKind::Tag));
}

void TestSyntaxColoring::aLongTextIsLexedInIdleSlicesAndColouredWhereItIsShown() {
    QStringList lines(30000, u"<td class=\"cell\">a &amp; b</td>"_qs);
    m_editor->setPlainText(lines.join(u'\n'));
    auto* coloring = new SyntaxColoring(*m_editor);
    QVERIFY(!coloring->isComplete());
    QTRY_VERIFY(coloring->isComplete());
    QCOMPARE(colorAt(line(0), 1), expected(SyntaxKind::Tag));
    // Lines never shown carry no colours.
    QVERIFY(line(20000).layout()->formats().isEmpty());

    // Opening a comment at the top reaches the bottom by idle time; an edit far below while it
    // runs is taken into the same pass.
    QTextCursor(m_editor->document()).insertText(u"<!--"_qs);
    QTextCursor(line(25000)).insertText(u"<i>"_qs);
    QTRY_VERIFY(coloring->isComplete());
    showLine(29999);
    QCOMPARE(colorAt(line(29999), 1), expected(SyntaxKind::Comment));
    showLine(25000);
    QCOMPARE(colorAt(line(25000), 1), expected(SyntaxKind::Comment));

    QTextCursor(line(25000)).insertText(u"-->"_qs);
    QTRY_VERIFY(coloring->isComplete());
    QCoreApplication::processEvents();
    QCOMPARE(colorAt(line(25000), 4), expected(SyntaxKind::Tag));
    QCOMPARE(colorAt(line(25001), 1), expected(SyntaxKind::Tag));
    showLine(29999);
    QCOMPARE(colorAt(line(29999), 1), expected(SyntaxKind::Tag));
}

void TestSyntaxColoring::switchingOffTakesEveryColourOff() {
    m_editor->setPlainText(u"<p>\n<!-- a\nb -->"_qs);
    auto* coloring = new SyntaxColoring(*m_editor);
    QCoreApplication::processEvents();
    QVERIFY(!line(2).layout()->formats().isEmpty());
    delete coloring;
    for (QTextBlock block = m_editor->document()->begin(); block.isValid(); block = block.next())
        QVERIFY(block.layout()->formats().isEmpty());
}

void TestSyntaxColoring::followsTheBackgroundColour() {
    m_editor->setPlainText(u"<p>"_qs);
    new SyntaxColoring(*m_editor);
    QCoreApplication::processEvents();
    const QColor onLight = colorAt(line(0), 0);
    QPalette dark = m_editor->palette();
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    m_editor->setPalette(dark);
    QCoreApplication::processEvents();
    QCOMPARE(colorAt(line(0), 0), expected(SyntaxKind::Tag));
    QVERIFY(colorAt(line(0), 0) != onLight);
}

void TestSyntaxColoring::colorsReadOnAnyBackground_data() {
    QTest::addColumn<QColor>("background");
    QTest::newRow("white") << QColor(Qt::white);
    QTest::newRow("black") << QColor(Qt::black);
    QTest::newRow("dark grey") << QColor(0x1e, 0x1e, 0x1e);
    QTest::newRow("mid grey") << QColor(0x77, 0x77, 0x77);
    QTest::newRow("navy") << QColor(0, 0, 0x80);
    QTest::newRow("yellow") << QColor(Qt::yellow);
}

void TestSyntaxColoring::colorsReadOnAnyBackground() {
    QFETCH(QColor, background);
    const double reachable =
        qMin(SyntaxColors::kMinimumContrast, qMax(SyntaxColors::contrast(Qt::black, background),
                                                  SyntaxColors::contrast(Qt::white, background)));
    const SyntaxColors::Palette colors = SyntaxColors::forBackground(background);
    for (const QColor& color : colors)
        QVERIFY2(SyntaxColors::contrast(color, background) >= reachable - 0.01,
                 qPrintable(color.name()));
}

void TestSyntaxColoring::appliesToEverythingButTextAndBatchFiles_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("colored");
    QTest::newRow("html") << u"/site/index.html"_qs << true;
    QTest::newRow("server-side include") << u"page.SHTML"_qs << true;
    QTest::newRow("untitled") << u"Untitled:2"_qs << true;
    QTest::newRow("text") << u"/notes/READ.ME.TXT"_qs << false;
    QTest::newRow("batch") << u"C:/run.bat"_qs << false;
}

void TestSyntaxColoring::appliesToEverythingButTextAndBatchFiles() {
    QFETCH(QString, fileName);
    QFETCH(bool, colored);
    QCOMPARE(SyntaxColoring::appliesTo(fileName), colored);
}

QTEST_MAIN(TestSyntaxColoring)
#include "tst_syntaxcoloring.moc"
