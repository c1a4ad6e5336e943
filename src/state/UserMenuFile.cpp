#include "state/UserMenuFile.h"

#include <QList>
#include <QStringDecoder>
#include <algorithm>

namespace {

QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    // Not UTF-8: one byte per character, which can never fail.
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    return text;
}

// A line of the file and the line end after it (none after the last).
struct FileLine {
    QString text;
    QString end;
};

QList<FileLine> splitLines(const QString& text) {
    QList<FileLine> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        qsizetype next = end;
        if (next < text.size())
            next +=
                text[next] == u'\r' && next + 1 < text.size() && text[next + 1] == u'\n' ? 2 : 1;
        lines.append({text.mid(start, end - start), text.mid(end, next - end)});
        start = next;
    }
    return lines;
}

// The first entry of `menu` whose line is empty or missing; 0 when there is none.
int firstFreeEntry(const QList<FileLine>& lines, int menu) {
    for (int entry = 1; entry <= UserMenuFile::kEntryCount; ++entry) {
        const int index = UserMenuFile::lineOf(menu, entry) - 1;
        if (index >= lines.size() || lines[index].text.isEmpty())
            return entry;
    }
    return 0;
}

}  // namespace

std::optional<UserMenuFile::Added> UserMenuFile::withEntry(const QByteArray& bytes, int menu,
                                                           const QString& line) {
    if (menu < 1 || menu > kMenuCount || line.contains(u'\n') || line.contains(u'\r'))
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8(bytes);
    const bool wasUtf8 = !utf8.hasError();
    if (!wasUtf8)
        text = QString::fromLatin1(bytes);
    // The mark belongs to the file, not to its first line.
    const bool marked = wasUtf8 && text.startsWith(QChar::ByteOrderMark);
    QList<FileLine> lines = splitLines(marked ? text.sliced(1) : text);
    const int entry = firstFreeEntry(lines, menu);
    if (entry == 0)
        return std::nullopt;
    const int index = lineOf(menu, entry) - 1;
    const QString lineEnd =
        lines.isEmpty() || lines.first().end.isEmpty() ? QStringLiteral("\n") : lines.first().end;
    const bool endsInBreak = lines.isEmpty() || !lines.last().end.isEmpty();
    while (lines.size() <= index) {
        if (!lines.isEmpty() && lines.last().end.isEmpty())
            lines.last().end = lineEnd;
        lines.append(FileLine{});
    }
    lines[index].text = line;
    if (endsInBreak && lines.last().end.isEmpty())
        lines.last().end = lineEnd;
    QString joined = marked ? QString(QChar::ByteOrderMark) : QString();
    for (const FileLine& each : lines)
        joined += each.text + each.end;
    const bool latin1 = !wasUtf8 && std::all_of(line.begin(), line.end(),
                                                [](QChar c) { return c.unicode() <= 0xff; });
    return Added{latin1 ? joined.toLatin1() : joined.toUtf8(), entry};
}

UserMenuFile UserMenuFile::parse(const QByteArray& bytes) {
    const QString text = decode(bytes);
    UserMenuFile file;
    qsizetype start = 0;
    while (start < text.size() && file.m_lines.size() < kLineCount) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        file.m_lines << text.mid(start, end - start);
        if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() &&
            text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return file;
}

QString UserMenuFile::entry(int menu, int entry) const {
    const int index = lineOf(menu, entry) - 1;
    return index >= 0 && index < m_lines.size() ? m_lines[index] : QString();
}
