// Line breaks survive editing: an edit that is taken back (Undo, or Backspace after Enter)
// leaves the file byte for byte as it was, whatever line ends and bytes it holds.
#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTest>

#include "editor/EditorBox.h"
#include "text/DocumentText.h"

namespace {

enum class Step { TypeThenUndo, EnterThenUndo, EnterThenBackspace };

const char* stepName(Step step) {
    switch (step) {
        case Step::TypeThenUndo:
            return "type + undo";
        case Step::EnterThenUndo:
            return "Enter + undo";
        case Step::EnterThenBackspace:
            return "Enter + Backspace";
    }
    return "";
}

// Bytes as text that a failure message can show; one pass of arg() keeps its '%' as it is.
QString escaped(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toPercentEncoding());
}

// Loads `bytes`, saves them unchanged, then for each step puts the caret at `caret`, takes the
// step and saves again. Returns what went wrong, or nothing.
QString roundTrip(QPlainTextEdit& editor, const QByteArray& bytes, int caret) {
    const TextFormat format = DocumentText::load(*editor.document(), bytes);
    if (DocumentText::save(*editor.document(), format) != bytes)
        return QStringLiteral("open + save");
    for (Step step : {Step::TypeThenUndo, Step::EnterThenUndo, Step::EnterThenBackspace}) {
        QTextCursor cursor = editor.textCursor();
        cursor.setPosition(qMin(caret, editor.document()->characterCount() - 1));
        editor.setTextCursor(cursor);
        const int length = editor.document()->characterCount();
        QTest::keyClick(&editor, step == Step::TypeThenUndo ? Qt::Key_X : Qt::Key_Return);
        if (editor.document()->characterCount() != length + 1)
            return QStringLiteral("%1: the key did not reach the text").arg(stepName(step));
        if (step == Step::EnterThenBackspace)
            QTest::keyClick(&editor, Qt::Key_Backspace);
        else
            QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
        const std::optional<QByteArray> saved = DocumentText::save(*editor.document(), format);
        if (saved != bytes) {
            return QStringLiteral("%1 at %2 saves %3")
                .arg(QString::fromLatin1(stepName(step)), QString::number(caret),
                     escaped(saved.value_or("<refused>")));
        }
    }
    return QString();
}

// Pieces a generated file is made of: markup, every kind of line end and block break, NUL,
// characters of one to four UTF-8 bytes, and bytes that are not UTF-8.
const QByteArray kPieces[] = {"<p>",
                              "text ",
                              "\n",
                              "\r\n",
                              "\r",
                              "\r\r\n",
                              "\n\r",
                              "\xE2\x80\xA8" /* U+2028 */,
                              "\xE2\x80\xA9",
                              "\xEF\xB7\x90",
                              "\xEF\xB7\x91",
                              QByteArray("\0", 1),
                              "\xC3\xA9",
                              "\xE2\x82\xAC",
                              "\xF0\x9F\x98\x80"};
const QByteArray kNotUtf8[] = {"\xFF", "\xC3", "\xA0", "\xED\xA0\x80"};

QByteArray generatedFile(QRandomGenerator& random) {
    QByteArray bytes = random.bounded(8) == 0 ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    const bool utf8 = random.bounded(2) == 0;
    const int pieces = random.bounded(60);
    for (int p = 0; p < pieces; ++p) {
        if (random.bounded(200) == 0)
            bytes += QByteArray(2000 + random.bounded(3000), 'w');  // a long line
        else if (!utf8 && random.bounded(10) == 0)
            bytes += kNotUtf8[random.bounded(int(std::size(kNotUtf8)))];
        else
            bytes += kPieces[random.bounded(int(std::size(kPieces)))];
    }
    return bytes;
}

}  // namespace

class TestLineBreaks : public QObject {
    Q_OBJECT

private slots:
    void takenBackEditsLeaveTheFileAsItWas_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("caret");
        // Positions count a line break as one character.
        QTest::newRow("CRLF file, lone LF, Enter on the third line")
            << QByteArray("a\r\nb\nc\r\n") << 4;
        QTest::newRow("CRLF file, Enter before the lone LF") << QByteArray("a\r\nb\nc\r\n") << 3;
        QTest::newRow("paragraph separator, caret after y") << QByteArray(
                                                                   "x\xE2\x80\xA9"
                                                                   "y\n")
                                                            << 3;
        QTest::newRow("U+FDD0 and U+FDD1 as breaks") << QByteArray(
                                                            "a\xEF\xB7\x90"
                                                            "b\xEF\xB7\x91"
                                                            "c\n")
                                                     << 4;
        QTest::newRow("empty line after an odd break") << QByteArray("a\r\n\n\r\nb") << 2;
        QTest::newRow("Latin-1 with CR in an LF file") << QByteArray("\xE9\n\r\xE9\n") << 2;
    }

    void takenBackEditsLeaveTheFileAsItWas() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, caret);
        QPlainTextEdit editor;
        const QString failure = roundTrip(editor, bytes, caret);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    void pastedBreaksTakeTheFilesLineEnd() {
        // A CRLF file whose second line ends in LF; the caret on the empty line after it.
        EditorBox editor;
        const TextFormat format = DocumentText::load(*editor.document(), "a\r\nb\n\r\nc");
        QTextCursor cursor(editor.document());
        cursor.setPosition(4);
        editor.setTextCursor(cursor);
        QGuiApplication::clipboard()->setText(QStringLiteral("P\nQ"));
        editor.paste();
        QCOMPARE(DocumentText::save(*editor.document(), format).value_or("<refused>"),
                 QByteArray("a\r\nb\nP\r\nQ\r\nc"));
    }

    void generatedFilesRoundTrip() {
        // A fixed seed, so that a failure names a file that can be made again.
        QRandomGenerator random(20);
        QPlainTextEdit editor;
        constexpr int kFiles = 1000;
        for (int n = 0; n < kFiles; ++n) {
            const QByteArray bytes = generatedFile(random);
            const int caret = random.bounded(int(bytes.size()) + 1);
            const QString failure = roundTrip(editor, bytes, caret);
            QVERIFY2(failure.isEmpty(),
                     qPrintable(QStringLiteral("file %1 (%2): %3")
                                    .arg(QString::number(n), escaped(bytes), failure)));
        }
    }
};

QTEST_MAIN(TestLineBreaks)
#include "tst_linebreaks.moc"
