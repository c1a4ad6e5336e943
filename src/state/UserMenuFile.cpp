#include "state/UserMenuFile.h"

#include <QStringDecoder>

namespace {

QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    // Not UTF-8: one byte per character, which can never fail.
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    return text;
}

}  // namespace

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
