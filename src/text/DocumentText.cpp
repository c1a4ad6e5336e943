#include "text/DocumentText.h"

#include <algorithm>

#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Kinds of block break as they stood in the file.
enum BreakKind : int {
    BreakLf,
    BreakCrLf,
    BreakCr,
    BreakParagraph,   // U+2029
    BreakFrameStart,  // U+FDD0, which Qt also takes for a block break
    BreakFrameEnd,    // U+FDD1, likewise
    BreakKinds
};

// A break that differs from the file's own line end carries its kind in the object type of its
// separator's character format (see the header for why that property).
constexpr int kFirstMark = QTextFormat::UserObject + 0x100;

int kindOf(LineEnd lineEnd) {
    switch (lineEnd) {
        case LineEnd::CrLf:
            return BreakCrLf;
        case LineEnd::Cr:
            return BreakCr;
        case LineEnd::Lf:
            break;
    }
    return BreakLf;
}

QStringView breakText(int kind) {
    switch (kind) {
        case BreakCrLf:
            return u"\r\n";
        case BreakCr:
            return u"\r";
        case BreakParagraph:
            return u"\u2029";
        case BreakFrameStart:
            return u"\uFDD0";
        case BreakFrameEnd:
            return u"\uFDD1";
    }
    return u"\n";
}

bool isMark(int objectType) {
    return objectType >= kFirstMark && objectType < kFirstMark + BreakKinds;
}

QTextCharFormat markFormat(int kind) {
    QTextCharFormat format;
    format.setObjectType(kFirstMark + kind);
    return format;
}

// The kind of block break that starts at text[i], or -1; follows QTextCursor::insertText.
int breakAt(QStringView text, qsizetype i, qsizetype* length) {
    *length = 1;
    switch (text[i].unicode()) {
        case u'\n':
            return BreakLf;
        case u'\r':
            if (i + 1 < text.size() && text[i + 1] == u'\n') {
                *length = 2;
                return BreakCrLf;
            }
            return BreakCr;
        case 0x2029:
            return BreakParagraph;
        case 0xFDD0:
            return BreakFrameStart;
        case 0xFDD1:
            return BreakFrameEnd;
    }
    return -1;
}

bool hasOddBreak(QStringView text, int ownKind) {
    for (qsizetype i = 0, length = 0; i < text.size(); i += length) {
        const int kind = breakAt(text, i, &length);
        if (kind >= 0 && kind != ownKind)
            return true;
    }
    return false;
}

// Fills the empty document with `text`, marking every break that is not the document's own.
// Done in one edit block without undo, as QTextDocument::setPlainText does, so that the layout
// runs once.
void insertMarked(QTextDocument& document, const QString& text, int ownKind) {
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    const QTextCharFormat plain;
    qsizetype start = 0;
    for (qsizetype i = 0, length = 0; i < text.size(); i += length) {
        const int kind = breakAt(text, i, &length);
        if (kind < 0 || kind == ownKind)
            continue;
        cursor.insertText(text.mid(start, i - start), plain);
        cursor.insertText(QStringLiteral("\n"), markFormat(kind));
        start = i + length;
    }
    cursor.insertText(text.mid(start), plain);
    cursor.endEditBlock();
}

QString decode(const QByteArray& bytes, TextEncoding* encoding) {
    // A leading byte order mark stays in the text as U+FEFF, so that saving writes it back.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom |
                                                    QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    // Qt's decoder reports malformed and truncated sequences, overlong forms, encoded surrogates
    // and code points beyond U+10FFFF, so text without an error encodes back to these bytes.
    if (!utf8.hasError()) {
        *encoding = TextEncoding::Utf8;
        return text;
    }
    *encoding = TextEncoding::Latin1;
    return QString::fromLatin1(bytes);
}

// Bytes the program wrote itself in a known encoding: no guessing. Should they not be valid
// UTF-8 after all, the decoder's replacement characters stand in for the broken sequences.
QString decodeAs(const QByteArray& bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Latin1)
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom |
                                                    QStringConverter::Flag::Stateless);
    return utf8.decode(bytes);
}

// Replaces the document's content with `text`, without an undo step, and leaves it unmodified.
void fill(QTextDocument& document, const QString& text, int ownKind) {
    if (hasOddBreak(text, ownKind)) {
        const bool undoable = document.isUndoRedoEnabled();
        document.setUndoRedoEnabled(false);  // this drops the old content's history too
        document.clear();
        insertMarked(document, text, ownKind);
        document.setUndoRedoEnabled(undoable);
    } else {
        // setPlainText records no undo step and drops the undo history of the old content.
        document.setPlainText(text);
    }
    document.setModified(false);
}

LineEnd firstLineEnd(const QByteArray& bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n')
            return LineEnd::Lf;
        if (bytes[i] == '\r')
            return i + 1 < bytes.size() && bytes[i + 1] == '\n' ? LineEnd::CrLf : LineEnd::Cr;
    }
    return LineEnd::Lf;
}

// Index of the first character the encoding cannot store, or -1.
qsizetype firstUnstorable(QStringView text, TextEncoding encoding) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (encoding == TextEncoding::Latin1) {
            if (ch.unicode() > 0xFF)
                return i;
        } else if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (ch.isSurrogate()) {
            return i;  // half of a pair: UTF-8 has no form for it
        }
    }
    return -1;
}

QString unstorableMessage(QStringView text, qsizetype at, int line, TextEncoding encoding) {
    char32_t code = text[at].unicode();
    qsizetype units = 1;
    if (text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate()) {
        code = QChar::surrogateToUcs4(text[at], text[at + 1]);
        units = 2;
    }
    const QString number = QString::number(code, 16).toUpper().rightJustified(4, u'0');
    if (encoding == TextEncoding::Utf8) {
        return QStringLiteral(
                   "Line %1 holds a broken character (U+%2) that cannot be saved as "
                   "UTF-8.")
            .arg(line)
            .arg(number);
    }
    return QStringLiteral(
               "Line %1 holds the character \"%2\" (U+%3), which cannot be saved in "
               "this file's Latin-1 encoding.")
        .arg(line)
        .arg(text.mid(at, units).toString(), number);
}

bool encodeInto(QByteArray& out, QStringView text, TextEncoding encoding, int line,
                QString* error) {
    const qsizetype bad = firstUnstorable(text, encoding);
    if (bad >= 0) {
        if (error)
            *error = unstorableMessage(text, bad, line, encoding);
        return false;
    }
    out += encoding == TextEncoding::Utf8 ? text.toUtf8() : text.toLatin1();
    return true;
}

}  // namespace

TextFormat DocumentText::detect(const QByteArray& bytes) {
    TextFormat format;
    decode(bytes, &format.encoding);
    format.lineEnd = firstLineEnd(bytes);
    return format;
}

TextFormat DocumentText::load(QTextDocument& document, const QByteArray& bytes) {
    TextFormat format;
    const QString text = decode(bytes, &format.encoding);
    format.lineEnd = firstLineEnd(bytes);
    fill(document, text, kindOf(format.lineEnd));
    return format;
}

void DocumentText::load(QTextDocument& document, const QByteArray& bytes,
                        const TextFormat& format) {
    fill(document, decodeAs(bytes, format.encoding), kindOf(format.lineEnd));
}

std::optional<QByteArray> DocumentText::save(const QTextDocument& document,
                                             const TextFormat& format, QString* error) {
    Writer writer(format, document.characterCount());
    const bool marked = mayHaveMarks(document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin() && !writer.appendBreak(marked ? breakMark(block) : 0, error))
            return std::nullopt;
        // Block texts, unlike toPlainText(), keep no-break spaces as they are.
        if (!writer.appendText(block.text(), error))
            return std::nullopt;
    }
    return writer.take();
}

int DocumentText::breakMark(const QTextBlock& blockAfterTheBreak) {
    const int objectType = blockAfterTheBreak.charFormat().objectType();
    return isMark(objectType) ? objectType : 0;
}

bool DocumentText::mayHaveMarks(const QTextDocument& document) {
    const QList<QTextFormat> formats = document.allFormats();
    return std::any_of(formats.begin(), formats.end(),
                       [](const QTextFormat& format) { return isMark(format.objectType()); });
}

DocumentText::Writer::Writer(const TextFormat& format, qsizetype reserve)
    : m_encoding(format.encoding), m_ownKind(kindOf(format.lineEnd)) {
    m_out.reserve(reserve);
}

bool DocumentText::Writer::appendText(QStringView text, QString* error) {
    return encodeInto(m_out, text, m_encoding, m_line, error);
}

bool DocumentText::Writer::appendBreak(int mark, QString* error) {
    const int kind = isMark(mark) ? mark - kFirstMark : m_ownKind;
    // A break that cannot be stored is reported on the line it ends.
    if (!encodeInto(m_out, breakText(kind), m_encoding, m_line, error))
        return false;
    ++m_line;
    return true;
}

bool DocumentText::Writer::appendFileText(QStringView text, LineEnd fileLineEnd, QString* error) {
    const int fileKind = kindOf(fileLineEnd);
    qsizetype start = 0;
    for (qsizetype i = 0, length = 0; i < text.size(); i += length) {
        const int kind = breakAt(text, i, &length);
        if (kind < 0)
            continue;
        if (!appendText(text.mid(start, i - start), error) ||
            !appendBreak(kind == fileKind ? 0 : kFirstMark + kind, error))
            return false;
        start = i + length;
    }
    return appendText(text.mid(start), error);
}

void DocumentText::Writer::appendEncoded(QByteArrayView bytes, qsizetype breaks) {
    m_out.append(bytes);
    m_line += int(breaks);
}
