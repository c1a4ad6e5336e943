#include "document/DocumentText.h"

#include <QStringDecoder>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// Kinds of block break as they stood in the file; 0 means "the document's own line end".
enum BreakKind : int {
    OwnLineEnd = 0,
    BreakLf,
    BreakCrLf,
    BreakCr,
    BreakParagraph,   // U+2029
    BreakFrameStart,  // U+FDD0, which Qt also takes for a block break
    BreakFrameEnd,    // U+FDD1, likewise
};

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

// Every block loaded from the file gets a user state holding the kinds of the breaks before and
// after it; blocks that edits create keep Qt's default -1. When the user deletes a break, Qt
// keeps the later block's state (its "before" is then stale); when the user inserts one, the
// earlier block keeps the old state (its "after" is then stale) and the later one is new. So
// between two loaded blocks the earlier one's "after" holds, next to a new block the loaded
// one's claim holds only when it is the later block's "before", and between new blocks the
// document's own line end holds. An unchanged document keeps every break.
constexpr int LoadedBlock = 1 << 6;

int packState(int before, int after) {
    return LoadedBlock | (before << 3) | after;
}

bool isLoaded(int state) {
    return state >= 0 && (state & LoadedBlock) != 0;
}

int breakBefore(int state) {
    return (state >> 3) & 7;
}

int breakAfter(int state) {
    return state & 7;
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

// The kind of the next block break from *i on (OwnLineEnd for the document's own, and at the end
// of the text); moves *i past it.
int nextBreak(QStringView text, qsizetype* i, int ownKind) {
    for (; *i < text.size(); ++*i) {
        qsizetype length = 0;
        const int kind = breakAt(text, *i, &length);
        if (kind >= 0) {
            *i += length;
            return kind == ownKind ? OwnLineEnd : kind;
        }
    }
    return OwnLineEnd;
}

// Whether any block break differs from the document's own line end. Files without such a
// break need no marks at all: every break of theirs is written back as the document's own.
bool hasOddBreak(QStringView text, int ownKind) {
    for (qsizetype i = 0; i < text.size();) {
        if (nextBreak(text, &i, ownKind) != OwnLineEnd)
            return true;
    }
    return false;
}

void markLoadedBlocks(QTextDocument& document, QStringView text, int ownKind) {
    qsizetype i = 0;
    int before = OwnLineEnd;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int after = nextBreak(text, &i, ownKind);
        block.setUserState(packState(before, after));
        before = after;
    }
}

QString decode(const QByteArray& bytes, TextEncoding* encoding) {
    // A leading byte order mark stays in the text as U+FEFF, so that saving writes it back.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom |
                                                    QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    // Only bytes that encode back to themselves count as UTF-8: this turns away malformed and
    // truncated sequences, overlong forms and encoded surrogates.
    if (!utf8.hasError() && text.toUtf8() == bytes) {
        *encoding = TextEncoding::Utf8;
        return text;
    }
    *encoding = TextEncoding::Latin1;
    return QString::fromLatin1(bytes);
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

bool appendEncoded(QByteArray& out, QStringView text, TextEncoding encoding, int line,
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

int breakBetween(const QTextBlock& previous, const QTextBlock& next, int ownKind) {
    const int previousState = previous.userState();
    const int nextState = next.userState();
    int kind = OwnLineEnd;
    if (isLoaded(previousState))
        kind = isLoaded(nextState) ? breakAfter(previousState) : OwnLineEnd;
    else if (isLoaded(nextState))
        kind = breakBefore(nextState);
    return kind == OwnLineEnd ? ownKind : kind;
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
    // setPlainText records no undo step and drops the undo history of the old content.
    document.setPlainText(text);
    if (hasOddBreak(text, kindOf(format.lineEnd)))
        markLoadedBlocks(document, text, kindOf(format.lineEnd));
    document.setModified(false);
    return format;
}

std::optional<QByteArray> DocumentText::save(const QTextDocument& document,
                                             const TextFormat& format, QString* error) {
    const int ownKind = kindOf(format.lineEnd);
    QByteArray out;
    out.reserve(document.characterCount());
    int line = 1;
    QTextBlock previous;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next(), ++line) {
        if (previous.isValid()) {
            const QStringView lineEnd = breakText(breakBetween(previous, block, ownKind));
            if (!appendEncoded(out, lineEnd, format.encoding, line - 1, error))
                return std::nullopt;
        }
        // Block texts, unlike toPlainText(), keep no-break spaces as they are.
        if (!appendEncoded(out, block.text(), format.encoding, line, error))
            return std::nullopt;
        previous = block;
    }
    return out;
}
