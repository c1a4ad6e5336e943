#include <QPlainTextDocumentLayout>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "text/DocumentText.h"

// Lets QCOMPARE print formats when they differ.
char* toString(const TextFormat& format) {
    const char* encoding = format.encoding == TextEncoding::Utf8 ? "Utf8" : "Latin1";
    const char* lineEnd = format.lineEnd == LineEnd::Lf     ? "Lf"
                          : format.lineEnd == LineEnd::CrLf ? "CrLf"
                                                            : "Cr";
    return qstrdup(QByteArray(encoding).append('/').append(lineEnd).constData());
}

namespace {

// The document an editor holds: plain-text layout, as in QPlainTextEdit.
class EditorDocument : public QTextDocument {
public:
    EditorDocument() { setDocumentLayout(new QPlainTextDocumentLayout(this)); }
};

QByteArray saved(const QTextDocument& document, const TextFormat& format) {
    QString error;
    const std::optional<QByteArray> bytes = DocumentText::save(document, format, &error);
    if (!bytes)
        qWarning("save refused: %s", qPrintable(error));
    return bytes.value_or(QByteArray("<refused>"));
}

void typeAt(QTextDocument& document, int position, const QString& text) {
    QTextCursor cursor(&document);
    cursor.setPosition(position);
    cursor.insertText(text);
}

void deleteAt(QTextDocument& document, int position) {
    QTextCursor cursor(&document);
    cursor.setPosition(position);
    cursor.deleteChar();
}

}  // namespace

class TestDocumentText : public QObject {
    Q_OBJECT

private slots:
    void unchangedFileSavesToTheSameBytes_data();
    void unchangedFileSavesToTheSameBytes();
    void decodesTheTextTheUserSees_data();
    void decodesTheTextTheUserSees();
    void loadReplacesContentWithoutUndoStep();
    void loadInAKnownFormatKeepsThatFormat_data();
    void loadInAKnownFormatKeepsThatFormat();
    void newBreaksTakeTheFilesLineEnd();
    void editsKeepOddLineEndsWhereTheyAre_data();
    void editsKeepOddLineEndsWhereTheyAre();
    void undoingAJoinRestoresBothNeighbours();
    void newDocumentWritesTheRequestedFormat_data();
    void newDocumentWritesTheRequestedFormat();
    void unstorableCharacterRefusesToSave_data();
    void unstorableCharacterRefusesToSave();
};

void TestDocumentText::unchangedFileSavesToTheSameBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<LineEnd>("lineEnd");
    QTest::addColumn<int>("blocks");

    using E = TextEncoding;
    using L = LineEnd;
    QByteArray everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte.append(char(b));

    QTest::newRow("empty file") << QByteArray() << E::Utf8 << L::Lf << 1;
    QTest::newRow("no line end") << QByteArray("<p>") << E::Utf8 << L::Lf << 1;
    QTest::newRow("LF, final line end") << QByteArray("a\nb\n") << E::Utf8 << L::Lf << 3;
    QTest::newRow("CRLF, final line end") << QByteArray("a\r\nb\r\n") << E::Utf8 << L::CrLf << 3;
    QTest::newRow("CRLF, no final line end") << QByteArray("a\r\nb") << E::Utf8 << L::CrLf << 2;
    QTest::newRow("CR") << QByteArray("a\rb\r") << E::Utf8 << L::Cr << 3;
    QTest::newRow("only line ends") << QByteArray("\r\n\r\n\r\n") << E::Utf8 << L::CrLf << 4;
    QTest::newRow("CRLF with a lone LF") << QByteArray("a\r\nb\nc\r\n") << E::Utf8 << L::CrLf << 4;
    QTest::newRow("LF with CRLF and CR") << QByteArray("a\nb\r\nc\rd") << E::Utf8 << L::Lf << 4;
    QTest::newRow("CR then CRLF") << QByteArray("a\r\r\nb") << E::Utf8 << L::Cr << 3;
    QTest::newRow("LF then CR") << QByteArray("a\n\rb") << E::Utf8 << L::Lf << 3;
    QTest::newRow("CRLF file ending in a lone CR")
        << QByteArray("a\r\nb\r") << E::Utf8 << L::CrLf << 3;
    QTest::newRow("odd line ends in a row")
        << QByteArray("a\r\n\n\n\rb\r\n") << E::Utf8 << L::CrLf << 6;
    QTest::newRow("UTF-8") << QByteArray("caf\xC3\xA9 \xE2\x82\xAC\n") << E::Utf8 << L::Lf << 2;
    QTest::newRow("UTF-8 outside the BMP")
        << QByteArray("\xF0\x9F\x98\x80\r\n") << E::Utf8 << L::CrLf << 2;
    QTest::newRow("U+2029 in UTF-8") << QByteArray(
                                            "a\xE2\x80\xA9"
                                            "b\n")
                                     << E::Utf8 << L::Lf << 3;
    QTest::newRow("U+2028 in UTF-8 stays in its line") << QByteArray(
                                                              "a\xE2\x80\xA8"
                                                              "b")
                                                       << E::Utf8 << L::Lf << 1;
    QTest::newRow("U+FDD0 and U+FDD1 in UTF-8") << QByteArray(
                                                       "a\xEF\xB7\x90"
                                                       "b\xEF\xB7\x91"
                                                       "c\r\n")
                                                << E::Utf8 << L::CrLf << 4;
    QTest::newRow("BOM") << QByteArray("\xEF\xBB\xBFh\xC3\xA9llo\r\n") << E::Utf8 << L::CrLf << 2;
    QTest::newRow("no-break spaces, UTF-8") << QByteArray(
                                                   "a\xC2\xA0\xC2\xA0"
                                                   "b")
                                            << E::Utf8 << L::Lf << 1;
    QTest::newRow("NUL bytes") << QByteArray("a\0b\0\n\0", 6) << E::Utf8 << L::Lf << 2;
    QTest::newRow("Latin-1") << QByteArray("caf\xE9\r\n") << E::Latin1 << L::CrLf << 2;
    QTest::newRow("no-break spaces, Latin-1") << QByteArray(
                                                     "a\xA0"
                                                     "b\xFF")
                                              << E::Latin1 << L::Lf << 1;
    QTest::newRow("C1 controls, Latin-1")
        << QByteArray("\x85\x80\x9F\xE9\n") << E::Latin1 << L::Lf << 2;
    QTest::newRow("every byte value") << everyByte << E::Latin1 << L::Lf << 3;
    QTest::newRow("BOM before Latin-1")
        << QByteArray("\xEF\xBB\xBF\xE9") << E::Latin1 << L::Lf << 1;
    QTest::newRow("overlong slash") << QByteArray("a\xC0\xAF") << E::Latin1 << L::Lf << 1;
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << E::Latin1 << L::Lf << 1;
    QTest::newRow("truncated sequence at the end")
        << QByteArray("ab\xC3") << E::Latin1 << L::Lf << 1;
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << E::Latin1 << L::Lf << 1;
}

void TestDocumentText::unchangedFileSavesToTheSameBytes() {
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QFETCH(LineEnd, lineEnd);
    QFETCH(int, blocks);
    const TextFormat expected{encoding, lineEnd};

    QCOMPARE(DocumentText::detect(bytes), expected);
    EditorDocument document;
    const TextFormat format = DocumentText::load(document, bytes);
    QCOMPARE(format, expected);
    QCOMPARE(document.blockCount(), blocks);
    QCOMPARE(saved(document, format), bytes);
}

void TestDocumentText::decodesTheTextTheUserSees_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("firstLine");

    QTest::newRow("UTF-8 e acute is one character") << QByteArray("caf\xC3\xA9\n") << u"café"_qs;
    QTest::newRow("Latin-1 e acute") << QByteArray("caf\xE9\n") << u"café"_qs;
    QTest::newRow("BOM stays as U+FEFF") << QByteArray("\xEF\xBB\xBFok") << u"\uFEFFok"_qs;
    QTest::newRow("no-break space kept") << QByteArray(
                                                "a\xC2\xA0"
                                                "b")
                                         << u"a\u00A0b"_qs;
    QTest::newRow("CRLF is one break") << QByteArray("ab\r\ncd") << u"ab"_qs;
}

void TestDocumentText::decodesTheTextTheUserSees() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, firstLine);
    EditorDocument document;
    DocumentText::load(document, bytes);
    QCOMPARE(document.firstBlock().text(), firstLine);
}

void TestDocumentText::loadReplacesContentWithoutUndoStep() {
    EditorDocument document;
    typeAt(document, 0, u"old text"_qs);
    QVERIFY(document.isUndoAvailable());
    QVERIFY(document.isModified());

    DocumentText::load(document, QByteArray("new\r\ntext"));
    QCOMPARE(document.toRawText(), u"new\u2029text"_qs);
    QVERIFY(!document.isUndoAvailable());
    QCOMPARE(document.availableUndoSteps(), 0);
    QVERIFY(!document.isModified());

    // An earlier odd line end must not linger in the new content's blocks.
    DocumentText::load(document, QByteArray("a\r\nb\nc"));
    DocumentText::load(document, QByteArray("a\r\nb\r\nc"));
    QCOMPARE(saved(document, {TextEncoding::Utf8, LineEnd::CrLf}), QByteArray("a\r\nb\r\nc"));
}

// Text the program wrote itself comes back in the format it was written in, even where the
// bytes alone would suggest another encoding or line end.
void TestDocumentText::loadInAKnownFormatKeepsThatFormat_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextFormat>("format");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QByteArray>("afterTypedBreak");  // a break typed at the very start
    using E = TextEncoding;
    using L = LineEnd;
    QTest::newRow("Latin-1 that is valid UTF-8")
        << QByteArray("caf\xC3\xA9\r\n") << TextFormat{E::Latin1, L::CrLf} << u"caf\u00C3\u00A9"_qs
        << QByteArray("\r\ncaf\xC3\xA9\r\n");
    QTest::newRow("own line end is not the first")
        << QByteArray("a\nb\r\nc") << TextFormat{E::Utf8, L::CrLf} << u"a"_qs
        << QByteArray("\r\na\nb\r\nc");
    QTest::newRow("no breaks at all")
        << QByteArray("x") << TextFormat{E::Utf8, L::Cr} << u"x"_qs << QByteArray("\rx");
}

void TestDocumentText::loadInAKnownFormatKeepsThatFormat() {
    QFETCH(QByteArray, bytes);
    QFETCH(TextFormat, format);
    QFETCH(QString, firstLine);
    QFETCH(QByteArray, afterTypedBreak);
    EditorDocument document;
    DocumentText::load(document, bytes, format);
    QCOMPARE(document.firstBlock().text(), firstLine);
    QCOMPARE(saved(document, format), bytes);
    typeAt(document, 0, u"\n"_qs);
    QCOMPARE(saved(document, format), afterTypedBreak);
}

void TestDocumentText::newBreaksTakeTheFilesLineEnd() {
    EditorDocument document;
    const TextFormat format = DocumentText::load(document, QByteArray("a\r\nb"));
    typeAt(document, 3, u"\nc\u2029d\re"_qs);
    QCOMPARE(saved(document, format), QByteArray("a\r\nb\r\nc\r\nd\r\ne"));
}

void TestDocumentText::editsKeepOddLineEndsWhereTheyAre_data() {
    // "bb" ends in a lone LF in a CRLF file: a(0) break(1) bb(2..3) break(4) c(5) break(6).
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("typed");  // empty: delete the character at position
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("typing in the line") << 2 << u"x"_qs << QByteArray("a\r\nxbb\nc\r\n");
    QTest::newRow("Enter inside the line") << 3 << u"\n"_qs << QByteArray("a\r\nb\r\nb\nc\r\n");
    QTest::newRow("Enter at its end") << 4 << u"\n"_qs << QByteArray("a\r\nbb\r\n\nc\r\n");
    QTest::newRow("Enter at its start") << 2 << u"\n"_qs << QByteArray("a\r\n\r\nbb\nc\r\n");
    QTest::newRow("pasting lines into it")
        << 3 << u"1\n2\n3"_qs << QByteArray("a\r\nb1\r\n2\r\n3b\nc\r\n");
    QTest::newRow("joining the line before") << 1 << QString() << QByteArray("abb\nc\r\n");
    QTest::newRow("deleting the odd break") << 4 << QString() << QByteArray("a\r\nbbc\r\n");
    QTest::newRow("joining the line after") << 6 << QString() << QByteArray("a\r\nbb\nc");
}

void TestDocumentText::editsKeepOddLineEndsWhereTheyAre() {
    QFETCH(int, position);
    QFETCH(QString, typed);
    QFETCH(QByteArray, expected);
    EditorDocument document;
    const TextFormat format = DocumentText::load(document, QByteArray("a\r\nbb\nc\r\n"));
    if (typed.isEmpty())
        deleteAt(document, position);
    else
        typeAt(document, position, typed);
    QCOMPARE(saved(document, format), expected);
}

void TestDocumentText::undoingAJoinRestoresBothNeighbours() {
    EditorDocument document;
    const QByteArray bytes("a\nb\r\nc\rd\n");
    const TextFormat format = DocumentText::load(document, bytes);
    deleteAt(document, 3);
    QCOMPARE(saved(document, format), QByteArray("a\nbc\rd\n"));
    document.undo();
    QCOMPARE(saved(document, format), bytes);
    document.redo();
    QCOMPARE(saved(document, format), QByteArray("a\nbc\rd\n"));
}

void TestDocumentText::newDocumentWritesTheRequestedFormat_data() {
    QTest::addColumn<LineEnd>("lineEnd");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("LF") << LineEnd::Lf << QByteArray("a\nb\n");
    QTest::newRow("CRLF") << LineEnd::CrLf << QByteArray("a\r\nb\r\n");
    QTest::newRow("CR") << LineEnd::Cr << QByteArray("a\rb\r");
}

void TestDocumentText::newDocumentWritesTheRequestedFormat() {
    QFETCH(LineEnd, lineEnd);
    QFETCH(QByteArray, expected);
    EditorDocument document;
    typeAt(document, 0, u"a\r\nb\n"_qs);
    QCOMPARE(saved(document, {TextEncoding::Latin1, lineEnd}), expected);
}

void TestDocumentText::unstorableCharacterRefusesToSave_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("mentions");

    QTest::newRow("euro in Latin-1") << QByteArray("caf\xE9\r\n") << u"\u20AC"_qs << u"U+20AC"_qs;
    QTest::newRow("emoji in Latin-1") << QByteArray("\xE9\n") << u"\U0001F600"_qs << u"U+1F600"_qs;
    QTest::newRow("half a pair in UTF-8")
        << QByteArray("ok\n") << QString(QChar(0xD800)) << u"U+D800"_qs;
}

void TestDocumentText::unstorableCharacterRefusesToSave() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, typed);
    QFETCH(QString, mentions);
    EditorDocument document;
    const TextFormat format = DocumentText::load(document, bytes);
    QCOMPARE(saved(document, format), bytes);

    typeAt(document, document.characterCount() - 1, u"x"_qs + typed);
    QString error;
    const std::optional<QByteArray> result = DocumentText::save(document, format, &error);
    QVERIFY(!result);
    QVERIFY2(error.contains(mentions), qPrintable(error));
    QVERIFY2(error.contains(u"Line 2"_qs), qPrintable(error));
    QVERIFY(!DocumentText::save(document, format));  // no error text wanted: still refused
}

QTEST_MAIN(TestDocumentText)
#include "tst_documenttext.moc"
