#include "recovery/TextReplica.h"

#include <algorithm>

#include <QStringDecoder>

namespace {

// Added text that no piece uses any more is dropped once it is this large and more than half
// of all added text.
constexpr qsizetype kCompactAbove = 1 << 20;

// How far apart, in the file's bytes, the places are noted from which a character of the file is
// looked for: an edit far into a large file reads at most this far, not the file up to it.
constexpr qsizetype kMarkSpacing = 16 * 1024;

// How far a number of the document's raw characters reaches into file bytes (decoded as
// DocumentText decodes them: "\r\n" is one break, a four-byte UTF-8 sequence two characters).
struct Reach : FilePlace {
    bool splitsPair = false;  // the next character is half of a surrogate pair
};

bool isUtf8Break(QByteArrayView bytes, qsizetype at) {
    const QByteArrayView three = bytes.sliced(at, std::min<qsizetype>(3, bytes.size() - at));
    return three == "\xE2\x80\xA9" || three == "\xEF\xB7\x90" || three == "\xEF\xB7\x91";
}

// The size in bytes and characters of the character at `at`, and whether it is a break.
qsizetype step(QByteArrayView bytes, qsizetype at, TextEncoding encoding, int* length,
               bool* isBreak) {
    const uchar byte = uchar(bytes[at]);
    *length = 1;
    *isBreak = byte == '\r' || byte == '\n';
    if (byte == '\r')
        return at + 1 < bytes.size() && bytes[at + 1] == '\n' ? 2 : 1;
    if (encoding == TextEncoding::Latin1 || byte < 0x80)
        return 1;
    if (byte >= 0xF0) {
        *length = 2;
        return 4;
    }
    if (byte >= 0xE0) {
        *isBreak = isUtf8Break(bytes, at);
        return 3;
    }
    return 2;
}

// Reads on from `from`, a place between characters, until `length` characters in all (or the
// end of `bytes`), noting in `marks` a place about every kMarkSpacing bytes.
Reach reachOn(QByteArrayView bytes, FilePlace from, qsizetype length, TextEncoding encoding,
              std::vector<FilePlace>* marks = nullptr) {
    Reach reach{from};
    qsizetype nextMark = reach.bytes;
    while (reach.length < length && reach.bytes < bytes.size()) {
        if (marks && reach.bytes >= nextMark) {
            marks->push_back(reach);
            nextMark = reach.bytes + kMarkSpacing;
        }
        int characters = 1;
        bool isBreak = false;
        const qsizetype size = step(bytes, reach.bytes, encoding, &characters, &isBreak);
        if (reach.length + characters > length) {
            reach.splitsPair = true;
            break;
        }
        reach.bytes = std::min(bytes.size(), reach.bytes + size);
        reach.length += characters;
        reach.breaks += isBreak;
    }
    return reach;
}

// Where the first `length` characters of `file` end, read on from the nearest of its `marks`
// before.
Reach reachInFile(QByteArrayView file, const std::vector<FilePlace>& marks, qsizetype length,
                  TextEncoding encoding) {
    const auto next = std::upper_bound(
        marks.begin(), marks.end(), length,
        [](qsizetype wanted, const FilePlace& mark) { return wanted < mark.length; });
    const FilePlace from = next == marks.begin() ? FilePlace{} : *std::prev(next);
    return reachOn(file, from, length, encoding);
}

QString decoded(QByteArrayView bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Latin1)
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom |
                                                    QStringConverter::Flag::Stateless);
    return utf8.decode(bytes);
}

}  // namespace

bool TextReplica::apply(const TextChanges& changes) {
    switch (changes.start) {
        case TextChanges::Start::FromText:
            startFromText(changes.text, changes.textMarks);
            break;
        case TextChanges::Start::FromFile:
            if (!changes.filePacked)
                startFromFile(changes.file, changes.fileFormat);
            else if (const QByteArray file = qUncompress(changes.file); !file.isEmpty())
                startFromFile(file, changes.fileFormat);
            else
                m_inStep = false;  // damaged: the journal starts again from the whole text
            break;
        case TextChanges::Start::FromCopy:
            break;
    }
    for (const TextEdit& edit : changes.edits)
        m_inStep = m_inStep && replace(edit);
    m_inStep = m_inStep && total(&Piece::length) == changes.characterCount - 1 &&
               total(&Piece::breaks) == changes.blockCount - 1;
    compactAddedText();
    return m_inStep;
}

void TextReplica::startFromFile(const QByteArray& bytes, const TextFormat& format) {
    m_file = bytes;
    m_fileFormat = format;
    m_added.clear();
    m_addedMarks.clear();
    m_pieces.clear();
    m_fileMarks.clear();
    const Reach whole = reachOn(m_file, {}, m_file.size(), format.encoding, &m_fileMarks);
    if (whole.bytes > 0)
        m_pieces.push_back({false, 0, whole.bytes, whole.length, whole.breaks, {}});
    m_inStep = true;
}

void TextReplica::startFromText(const QString& text, const QList<MarkedBreak>& marks) {
    m_file.clear();
    m_fileMarks.clear();
    m_added.clear();
    m_addedMarks.clear();
    m_pieces.clear();
    if (!text.isEmpty())
        m_pieces.push_back(addText(text, marks));
    m_inStep = true;
}

bool TextReplica::replace(const TextEdit& edit) {
    if (edit.position < 0 || edit.removed < 0 ||
        edit.position + edit.removed > total(&Piece::length))
        return false;
    const std::size_t first = splitAt(edit.position);
    const std::size_t last = splitAt(edit.position + edit.removed);
    m_pieces.erase(m_pieces.begin() + qsizetype(first), m_pieces.begin() + qsizetype(last));
    if (!edit.text.isEmpty())
        insertPiece(first, addText(edit.text, edit.marks));
    else
        joinAt(first);
    return true;
}

// The index of the piece that starts at `position`, splitting the one it falls into.
std::size_t TextReplica::splitAt(qsizetype position) {
    qsizetype start = 0;
    for (std::size_t index = 0; index < m_pieces.size(); ++index) {
        if (position == start)
            return index;
        const qsizetype end = start + m_pieces[index].length;
        if (position < end)
            return splitPiece(index, position - start);
        start = end;
    }
    return m_pieces.size();
}

// Splits the piece `offset` characters in and returns the index of its second part.
std::size_t TextReplica::splitPiece(std::size_t index, qsizetype offset) {
    const Piece piece = m_pieces[index];
    if (!piece.added)
        return splitFilePiece(index, offset);
    const qsizetype breaks =
        QStringView(m_added).sliced(piece.start, offset).count(QChar::ParagraphSeparator);
    m_pieces[index] = addedPiece(piece.start, offset, breaks);
    m_pieces.insert(m_pieces.begin() + qsizetype(index) + 1,
                    addedPiece(piece.start + offset, piece.size - offset, piece.breaks - breaks));
    return index + 1;
}

// Splits within the file's bytes. A split between the halves of a surrogate pair moves that
// character into the added text, where the halves can part.
std::size_t TextReplica::splitFilePiece(std::size_t index, qsizetype offset) {
    const Piece piece = m_pieces[index];
    const Reach end =
        reachInFile(m_file, m_fileMarks, piece.from.length + offset, m_fileFormat.encoding);
    Piece before{false,
                 piece.start,
                 end.bytes - piece.start,
                 end.length - piece.from.length,
                 end.breaks - piece.from.breaks,
                 piece.from};
    Piece after{false,
                end.bytes,
                piece.size - before.size,
                piece.length - before.length,
                piece.breaks - before.breaks,
                end};
    std::vector<Piece> parts;
    if (before.size > 0)
        parts.push_back(before);
    if (end.splitsPair) {
        const Piece pair = addText(decoded(fileBytes(after).first(4), m_fileFormat.encoding), {});
        parts.push_back(addedPiece(pair.start, 1, 0));
        parts.push_back(addedPiece(pair.start + 1, 1, 0));
        after.start += 4;
        after.size -= 4;
        after.length -= 2;
        after.from = {after.start, end.length + 2, end.breaks};
    }
    const std::size_t second = index + parts.size() - (end.splitsPair ? 1 : 0);
    if (after.size > 0)
        parts.push_back(after);
    m_pieces.erase(m_pieces.begin() + qsizetype(index));
    m_pieces.insert(m_pieces.begin() + qsizetype(index), parts.begin(), parts.end());
    return second;
}

TextReplica::Piece TextReplica::addText(QStringView text, const QList<MarkedBreak>& marks) {
    const qsizetype start = m_added.size();
    m_added += text;
    for (const MarkedBreak& mark : marks)
        m_addedMarks.append({start + mark.position, mark.mark});
    return addedPiece(start, text.size(), text.count(QChar::ParagraphSeparator));
}

void TextReplica::insertPiece(std::size_t index, const Piece& piece) {
    m_pieces.insert(m_pieces.begin() + qsizetype(index), piece);
    joinAt(index + 1);
    joinAt(index);
}

// Joins the pieces before and at `index` when one continues the other where they are kept.
void TextReplica::joinAt(std::size_t index) {
    if (index == 0 || index >= m_pieces.size())
        return;
    Piece& before = m_pieces[index - 1];
    const Piece& piece = m_pieces[index];
    if (before.added != piece.added || before.start + before.size != piece.start)
        return;
    before.size += piece.size;
    before.length += piece.length;
    before.breaks += piece.breaks;
    m_pieces.erase(m_pieces.begin() + qsizetype(index));
}

// Copies the added text that pieces still use into a new buffer, once most of it is unused.
void TextReplica::compactAddedText() {
    qsizetype used = 0;
    for (const Piece& piece : m_pieces)
        used += piece.added ? piece.size : 0;
    if (m_added.size() < kCompactAbove || used * 2 > m_added.size())
        return;
    QString added;
    QList<MarkedBreak> marks;
    added.reserve(used);
    for (Piece& piece : m_pieces) {
        if (!piece.added)
            continue;
        const auto first = std::lower_bound(
            m_addedMarks.begin(), m_addedMarks.end(), piece.start,
            [](const MarkedBreak& mark, qsizetype at) { return mark.position < at; });
        for (auto mark = first;
             mark != m_addedMarks.end() && mark->position < piece.start + piece.size; ++mark)
            marks.append({mark->position - piece.start + added.size(), mark->mark});
        const qsizetype start = added.size();
        added += QStringView(m_added).sliced(piece.start, piece.size);
        piece.start = start;
    }
    m_added = std::move(added);
    m_addedMarks = std::move(marks);
}

std::optional<QByteArray> TextReplica::encode(const TextFormat& format, QString* error) const {
    JournalText::Writer writer(format, total(&Piece::size));
    for (const Piece& piece : m_pieces) {
        if (piece.added) {
            if (!encodeAdded(writer, piece, error))
                return std::nullopt;
        } else if (format == m_fileFormat) {
            writer.appendEncoded(fileBytes(piece), piece.breaks);
        } else if (!writer.appendFileText(decoded(fileBytes(piece), m_fileFormat.encoding),
                                          m_fileFormat.lineEnd, error)) {
            return std::nullopt;
        }
    }
    return writer.take();
}

bool TextReplica::encodeAdded(JournalText::Writer& writer, const Piece& piece,
                              QString* error) const {
    const QStringView text = QStringView(m_added).sliced(piece.start, piece.size);
    auto mark =
        std::lower_bound(m_addedMarks.begin(), m_addedMarks.end(), piece.start,
                         [](const MarkedBreak& kept, qsizetype at) { return kept.position < at; });
    qsizetype lineStart = 0;
    for (qsizetype at = text.indexOf(QChar::ParagraphSeparator); at >= 0;
         at = text.indexOf(QChar::ParagraphSeparator, at + 1)) {
        while (mark != m_addedMarks.end() && mark->position < piece.start + at)
            ++mark;
        const bool marked = mark != m_addedMarks.end() && mark->position == piece.start + at;
        if (!writer.appendText(text.sliced(lineStart, at - lineStart), error) ||
            !writer.appendBreak(marked ? mark->mark : 0, error))
            return false;
        lineStart = at + 1;
    }
    return writer.appendText(text.sliced(lineStart), error);
}

QString TextReplica::text() const {
    QString text;
    text.reserve(total(&Piece::length));
    for (const Piece& piece : m_pieces) {
        if (piece.added)
            text += QStringView(m_added).sliced(piece.start, piece.size);
        else
            text += decoded(fileBytes(piece), m_fileFormat.encoding);
    }
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

QByteArrayView TextReplica::fileBytes(const Piece& piece) const {
    return QByteArrayView(m_file).sliced(piece.start, piece.size);
}

qsizetype TextReplica::total(qsizetype Piece::*field) const {
    qsizetype sum = 0;
    for (const Piece& piece : m_pieces)
        sum += piece.*field;
    return sum;
}

qsizetype TextReplica::heldBytes() const {
    return m_file.size() + m_added.size() * qsizetype(sizeof(QChar)) +
           m_addedMarks.size() * qsizetype(sizeof(MarkedBreak)) +
           qsizetype(m_pieces.size() * sizeof(Piece));
}
