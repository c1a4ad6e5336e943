#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <memory>

#include "editor/ColoredLinePainter.h"
#include "editor/EditorBox.h"
#include "syntax/HtmlLexer.h"
#include "syntax/SyntaxColoring.h"
#include "syntax/SyntaxColors.h"

namespace {

// The colour a character is painted in, or an invalid colour where it keeps the editor's own.
QColor colorAt(const QTextBlock& block, int offset) {
    auto* coloring = block.document()->findChild<SyntaxColoring*>();
    const QList<SyntaxSpan>* spans = coloring ? coloring->spansOf(block) : nullptr;
    for (const SyntaxSpan& span : spans ? *spans : QList<SyntaxSpan>()) {
        if (offset >= span.start && offset < span.start + span.length)
            return coloring->palette()[int(span.kind)];
    }
    return {};
}

// Pixels of a clearly coloured hue: black, white and the greys between carry none.
int huedPixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += QColor(image.pixel(x, y)).hsvSaturation() > 60 ? 1 : 0;
    }
    return count;
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
    void aLongLineIsColouredAfreshWhenItsTextOrStartChanges();
    void switchingOffTakesEveryColourOff();
    void drawsTheColoursAsQtWould_data();
    void drawsTheColoursAsQtWould();
    void leavesToQtWhatItCannotDraw();
    void selectedAndRightToLeftLinesKeepTheirColours();
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

void TestSyntaxColoring::aLongLineIsColouredAfreshWhenItsTextOrStartChanges() {
    m_editor->setPlainText(u"<!--\n"_qs + u"<b>x</b>"_qs.repeated(1000));
    new SyntaxColoring(*m_editor);
    QCoreApplication::processEvents();
    QCOMPARE(colorAt(line(1), 1), expected(SyntaxKind::Comment));
    QTextCursor(line(0)).insertText(u"<i>"_qs);  // the long line's text stays, its start too
    QCOMPARE(colorAt(line(1), 1), expected(SyntaxKind::Comment));
    QTextCursor(line(1)).insertText(u"-->"_qs);
    QCOMPARE(colorAt(line(1), 4), expected(SyntaxKind::Tag));
    QTextCursor opener(line(0));
    opener.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    opener.removeSelectedText();
    QCOMPARE(colorAt(line(1), 0), QColor());
    m_editor->undo();
    QCOMPARE(colorAt(line(1), 4), expected(SyntaxKind::Tag));
    QCOMPARE(colorAt(line(1), 0), expected(SyntaxKind::Comment));
}

void TestSyntaxColoring::switchingOffTakesEveryColourOff() {
    m_editor->setPlainText(u"<p>\n<!-- a\nb -->"_qs);
    auto* coloring = new SyntaxColoring(*m_editor);
    QCoreApplication::processEvents();
    const QRect text(0, 0, 200, int(m_editor->shownRect(line(2)).bottom()));
    QVERIFY(huedPixels(m_editor->viewport()->grab().toImage(), text) > 0);
    delete coloring;
    QCOMPARE(huedPixels(m_editor->viewport()->grab().toImage(), text), 0);
    for (QTextBlock block = m_editor->document()->begin(); block.isValid(); block = block.next())
        QVERIFY(!block.userData());
}

void TestSyntaxColoring::drawsTheColoursAsQtWould_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("width");
    QTest::newRow("tags, attributes, entities")
        << u"<p class=\"note\">Heard &amp; seen</p>"_qs << 1000.0;
    QTest::newRow("tabs") << u"\t<td>\tcell</td>"_qs << 1000.0;
    QTest::newRow("composed and combining accents")
        << u"<p title=\"caf\u00e9\">e\u0301t\u00e9</p>"_qs << 1000.0;
    QTest::newRow("beyond the basic plane") << u"<p>\U0001F426 lark</p>"_qs << 1000.0;
    QTest::newRow("wrapped") << u"<a href=\"x\">word</a> "_qs.repeated(12) << 180.0;
}

// The colours are drawn glyph by glyph over a plain layout; Qt draws a layout that carries them
// as formats. Both must put the same pixels down.
void TestSyntaxColoring::drawsTheColoursAsQtWould() {
    QFETCH(QString, text);
    QFETCH(qreal, width);
    QFont font(u"monospace"_qs);
    font.setStyleStrategy(QFont::PreferNoShaping);
    QTextLayout layout(text, font);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition({0, line.lineNumber() * line.height()});
    }
    layout.endLayout();
    QList<SyntaxSpan> spans;
    HtmlLexer::lexLine(text, HtmlLexer::kInitialState, &spans);
    const SyntaxColors::Palette palette = SyntaxColors::forBackground(Qt::white);
    const QPointF at(3, 2);
    const QRectF everywhere(0, 0, 5000, 5000);
    // The last tag marked as matching tags are (on the last line when wrapped).
    QTextLayout::FormatRange mark{int(text.lastIndexOf(u'<')), 0, {}};
    mark.length = int(text.lastIndexOf(u'>')) + 1 - mark.start;
    mark.format.setBackground(QColor(0xd0, 0xd8, 0xf0));
    mark.format.setProperty(QTextFormat::UserProperty + 1, true);
    QVERIFY(ColoredLinePainter::canDrawBackground(layout, mark));
    const auto paint = [&](const std::function<void(ColoredLinePainter&, QPainter&)>& draw) {
        QImage image(int(width) + 10, int(layout.boundingRect().height()) + 4,
                     QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setPen(Qt::black);
        ColoredLinePainter colored(painter, palette);
        draw(colored, painter);
        return image;
    };
    const QImage ours = paint([&](ColoredLinePainter& colored, QPainter&) {
        colored.drawBackground(layout, at, mark, everywhere);
        colored.draw(layout, text, at, spans, everywhere);
    });
    const QImage qts = paint([&](ColoredLinePainter& colored, QPainter&) {
        colored.drawThroughLayout(layout, text, font, at, spans, {mark}, everywhere);
    });
    const QImage plain =
        paint([&](ColoredLinePainter&, QPainter& painter) { layout.draw(&painter, at); });
    QVERIFY(ColoredLinePainter::canDraw(text, font));
    QVERIFY(ours == qts);
    QVERIFY(ours != plain);
}

void TestSyntaxColoring::leavesToQtWhatItCannotDraw() {
    QFont font(u"monospace"_qs);
    QVERIFY(!ColoredLinePainter::canDraw(u"<b>\u05e9\u05dc\u05d5\u05dd</b>"_qs, font));
    QVERIFY(!ColoredLinePainter::canDraw(u"<b>\u0645\u0631\u062d\u0628\u0627</b>"_qs, font));
    font.setUnderline(true);
    QVERIFY(!ColoredLinePainter::canDraw(u"<b>lark</b>"_qs, font));
    // A background past a line's end, or a format that changes more, is drawn Qt's own way.
    QTextLayout layout(u"<b>lark</b>"_qs, QFont(u"monospace"_qs));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QTextCharFormat format;
    format.setBackground(Qt::yellow);
    QVERIFY(ColoredLinePainter::canDrawBackground(layout, {3, 8, format}));
    QVERIFY(!ColoredLinePainter::canDrawBackground(layout, {3, 9, format}));
    format.setForeground(Qt::red);
    QVERIFY(!ColoredLinePainter::canDrawBackground(layout, {3, 4, format}));
}

void TestSyntaxColoring::selectedAndRightToLeftLinesKeepTheirColours() {
    m_editor->setPlainText(
        u"<p class=\"note\">plain words</p>\n<b>\u05e9\u05dc\u05d5\u05dd</b>"_qs);
    new SyntaxColoring(*m_editor);
    QTextCursor cursor(line(0));
    cursor.setPosition(17);
    cursor.setPosition(22, QTextCursor::KeepAnchor);
    m_editor->setTextCursor(cursor);
    QCoreApplication::processEvents();
    const QImage image = m_editor->viewport()->grab().toImage();
    const auto caretAt = [this](int position) {
        QTextCursor at(m_editor->document());
        at.setPosition(position);
        return m_editor->cursorRect(at).center();
    };
    const QRect first = m_editor->shownRect(line(0)).toRect();
    QVERIFY(huedPixels(image, QRect(0, first.top(), caretAt(16).x(), first.height())) > 0);
    const QPalette::ColorGroup group =
        m_editor->isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    const QColor highlight = m_editor->palette().color(group, QPalette::Highlight);
    // The selected blank at 21 shows the highlight alone.
    QCOMPARE(image.pixelColor((caretAt(21) + caretAt(22)) / 2), highlight);
    QVERIFY(huedPixels(image, m_editor->shownRect(line(1)).toRect()) > 0);
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
