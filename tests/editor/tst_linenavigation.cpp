#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <limits>

#include "document/EditOperations.h"
#include "editor/EditorBox.h"
#include "editor/LineNumberGutter.h"
#include "find/GoToLineDialog.h"
#include "text/LineColumn.h"

Q_DECLARE_METATYPE(std::optional<LineColumn>)

namespace {

// Collects what a widget repaints.
class PaintedRegion : public QObject {
public:
    explicit PaintedRegion(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
    QRegion region;
};

}  // namespace

class TestLineNavigation : public QObject {
    Q_OBJECT

private slots:
    void parsesLineAndColumn_data();
    void parsesLineAndColumn();
    void placesAreClampedIntoTheText_data();
    void placesAreClampedIntoTheText();
    void goToLineWaitsForAReadablePlaceAndMovesTheCaret();
    void gutterMakesRoomForTheLongestNumberAndGivesItBack();
    void gutterPicksOutTheCaretsLine();
    void gutterRedrawsWhenTheNumbersMove_data();
    void gutterRedrawsWhenTheNumbersMove();
};

void TestLineNavigation::parsesLineAndColumn_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<LineColumn>>("place");
    QTest::newRow("line") << u"12"_qs << std::optional(LineColumn{12, 1});
    QTest::newRow("line:column, blanks") << u" 12 : 5 "_qs << std::optional(LineColumn{12, 5});
    QTest::newRow("line,column") << u"3,4"_qs << std::optional(LineColumn{3, 4});
    QTest::newRow("zero is the first") << u"0:0"_qs << std::optional(LineColumn{1, 1});
    QTest::newRow("too large to hold")
        << u"99999999999999999999"_qs
        << std::optional(LineColumn{std::numeric_limits<int>::max(), 1});
    QTest::newRow("empty") << QString() << std::optional<LineColumn>();
    QTest::newRow("negative") << u"-3"_qs << std::optional<LineColumn>();
    QTest::newRow("no column") << u"4:"_qs << std::optional<LineColumn>();
    QTest::newRow("three numbers") << u"1:2:3"_qs << std::optional<LineColumn>();
    QTest::newRow("words") << u"ten"_qs << std::optional<LineColumn>();
}

void TestLineNavigation::parsesLineAndColumn() {
    QFETCH(QString, text);
    QFETCH(std::optional<LineColumn>, place);
    QCOMPARE(LineColumn::parse(text), place);
}

void TestLineNavigation::placesAreClampedIntoTheText_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("status");  // what the status line says there
    // "one", "two", then a character of two UTF-16 units and "x".
    QTest::newRow("start") << 1 << 1 << 0 << u"Ln 1, Col 1"_qs;
    QTest::newRow("inside a line") << 2 << 3 << 6 << u"Ln 2, Col 3"_qs;
    QTest::newRow("past a line's end") << 2 << 99 << 7 << u"Ln 2, Col 4"_qs;
    QTest::newRow("past the last line") << 99 << 1 << 8 << u"Ln 3, Col 1"_qs;
    QTest::newRow("after a wide character") << 3 << 2 << 10 << u"Ln 3, Col 2"_qs;
    QTest::newRow("end of the text") << 3 << 3 << 11 << u"Ln 3, Col 3"_qs;
}

void TestLineNavigation::placesAreClampedIntoTheText() {
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(int, position);
    QFETCH(QString, status);
    QTextDocument document;
    document.setPlainText(u"one\ntwo\n\U0001F600x"_qs);
    QCOMPARE((LineColumn{line, column}).positionIn(document), position);
    QTextCursor cursor(&document);
    cursor.setPosition(position);
    QCOMPARE(LineColumn::of(cursor).statusText(), status);
}

void TestLineNavigation::goToLineWaitsForAReadablePlaceAndMovesTheCaret() {
    GoToLineDialog dialog(3);
    auto* field = dialog.findChild<QLineEdit*>("go_to_line_field");
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    QVERIFY(!ok->isEnabled());
    field->setText(u"2:x"_qs);
    QVERIFY(!ok->isEnabled());
    field->setText(u"2:3"_qs);
    QVERIFY(ok->isEnabled());
    QCOMPARE(dialog.target(), (LineColumn{2, 3}));

    QPlainTextEdit editor(u"one\ntwo\nthree"_qs);
    EditOperations::goToPlace(editor, {2, 3});
    QCOMPARE(editor.textCursor().position(), 6);
    EditOperations::goToPlace(editor, {840, 1});
    QCOMPARE(editor.textCursor().position(), 8);
}

void TestLineNavigation::gutterMakesRoomForTheLongestNumberAndGivesItBack() {
    EditorBox editor;
    editor.resize(400, 300);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    const int bare = editor.viewport()->x();
    auto* gutter = new LineNumberGutter(editor);
    const int twoDigits = gutter->width();
    QVERIFY(twoDigits > 0);
    QCOMPARE(editor.viewport()->x(), bare + twoDigits);

    editor.setPlainText(QString(99999, u'\n'));  // 100000 lines
    QVERIFY(gutter->width() > twoDigits);
    QCOMPARE(editor.viewport()->x(), bare + gutter->width());

    gutter->hide();
    QCOMPARE(editor.viewport()->x(), bare);
    gutter->show();
    QCOMPARE(editor.viewport()->x(), bare + gutter->width());
}

void TestLineNavigation::gutterPicksOutTheCaretsLine() {
    EditorBox editor;
    editor.resize(400, 300);
    editor.setPlainText(u"a\nb\nc"_qs);
    auto* gutter = new LineNumberGutter(editor);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    const QRect secondLine = editor.shownRect(editor.document()->findBlockByNumber(1)).toRect();
    const auto row = [&] {
        return gutter->grab(QRect(0, secondLine.top(), gutter->width(), secondLine.height()))
            .toImage();
    };
    const QImage before = row();
    editor.moveCursor(QTextCursor::Down);
    QCoreApplication::processEvents();
    QVERIFY(row() != before);
}

void TestLineNavigation::gutterRedrawsWhenTheNumbersMove_data() {
    QTest::addColumn<QString>("typed");  // at the start of the first line
    QTest::newRow("a line added above") << u"\n"_qs;
    QTest::newRow("the first line wrapping onto more rows") << QString(200, u'x');
}

void TestLineNavigation::gutterRedrawsWhenTheNumbersMove() {
    // The strip skips the redraws of a change within one line; these move every number below.
    QFETCH(QString, typed);
    EditorBox editor;
    editor.resize(300, 200);
    editor.setPlainText(u"a\nb\nc"_qs);
    auto* gutter = new LineNumberGutter(editor);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.moveCursor(QTextCursor::End);  // the caret's line keeps its number
    QCoreApplication::processEvents();
    PaintedRegion painted(gutter);
    const QRect lastLine = editor.shownRect(editor.document()->lastBlock()).toRect();
    QTextCursor(editor.document()).insertText(typed);
    QCoreApplication::processEvents();
    QVERIFY(painted.region.contains(QRect(0, lastLine.top(), gutter->width(), lastLine.height())));
}

QTEST_MAIN(TestLineNavigation)
#include "tst_linenavigation.moc"
