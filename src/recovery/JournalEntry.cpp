#include "recovery/JournalEntry.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr char kMagic[] = "PAGELARK-RECOVERY ";
constexpr int kVersion = 1;

QString hashOf(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
}

QString encodingName(TextEncoding encoding) {
    return encoding == TextEncoding::Latin1 ? QStringLiteral("ISO-8859-1")
                                            : QStringLiteral("UTF-8");
}

QString lineEndName(LineEnd lineEnd) {
    switch (lineEnd) {
        case LineEnd::CrLf:
            return QStringLiteral("CRLF");
        case LineEnd::Cr:
            return QStringLiteral("CR");
        case LineEnd::Lf:
            break;
    }
    return QStringLiteral("LF");
}

std::optional<TextFormat> formatFrom(const QJsonObject& header) {
    TextFormat format;
    const QString encoding = header.value(QLatin1String("encoding")).toString();
    const QString lineEnd = header.value(QLatin1String("lineEnd")).toString();
    if (encoding == encodingName(TextEncoding::Latin1))
        format.encoding = TextEncoding::Latin1;
    else if (encoding != encodingName(TextEncoding::Utf8))
        return std::nullopt;
    for (const LineEnd candidate : {LineEnd::Lf, LineEnd::CrLf, LineEnd::Cr}) {
        if (lineEnd == lineEndName(candidate)) {
            format.lineEnd = candidate;
            return format;
        }
    }
    return std::nullopt;
}

// The header's second line as an object, or an empty object when it is not one.
QJsonObject headerOf(const QByteArray& file, qsizetype* bodyStart) {
    const qsizetype firstEnd = file.indexOf('\n');
    const qsizetype secondEnd = firstEnd < 0 ? -1 : file.indexOf('\n', firstEnd + 1);
    if (secondEnd < 0)
        return {};
    *bodyStart = secondEnd + 1;
    return QJsonDocument::fromJson(file.mid(firstEnd + 1, secondEnd - firstEnd - 1)).object();
}

std::optional<JournalEntry> fail(QString* problem, const QString& reason) {
    if (problem)
        *problem = reason;
    return std::nullopt;
}

}  // namespace

QByteArray JournalEntry::header() const {
    QJsonObject header{
        {QStringLiteral("path"), path},
        {QStringLiteral("caption"), caption},
        {QStringLiteral("encoding"), encodingName(format.encoding)},
        {QStringLiteral("lineEnd"), lineEndName(format.lineEnd)},
        {QStringLiteral("taken"), taken.toUTC().toString(Qt::ISODateWithMs)},
        {QStringLiteral("length"), double(bytes.size())},
        {QStringLiteral("sha1"), hashOf(bytes)},
    };
    if (keptAsUtf8)
        header.insert(QStringLiteral("keptAs"), encodingName(TextEncoding::Utf8));
    return kMagic + QByteArray::number(kVersion) + '\n' +
           QJsonDocument(header).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<JournalEntry> JournalEntry::parse(const QByteArray& file, QString* problem,
                                                QString* name) {
    if (!file.startsWith(kMagic))
        return fail(problem, QStringLiteral("it is not a recovery entry"));
    if (!file.startsWith(kMagic + QByteArray::number(kVersion) + '\n'))
        return fail(problem, QStringLiteral("it was written by another version of Pagelark"));
    qsizetype bodyStart = 0;
    const QJsonObject header = headerOf(file, &bodyStart);
    const std::optional<TextFormat> format = formatFrom(header);
    const QDateTime taken =
        QDateTime::fromString(header.value(QLatin1String("taken")).toString(), Qt::ISODateWithMs);
    const QString keptAs = header.value(QLatin1String("keptAs")).toString();
    if (!format || !taken.isValid() ||
        !(keptAs.isEmpty() || keptAs == encodingName(TextEncoding::Utf8)))
        return fail(problem, QStringLiteral("its description is damaged"));
    JournalEntry entry{header.value(QLatin1String("path")).toString(),
                       header.value(QLatin1String("caption")).toString(),
                       *format,
                       taken.toLocalTime(),
                       file.mid(bodyStart),
                       !keptAs.isEmpty()};
    if (name)
        *name = entry.displayName();
    const qint64 length = header.value(QLatin1String("length")).toInteger(-1);
    if (entry.bytes.size() < length)
        return fail(problem, QStringLiteral("it is cut short"));
    if (entry.bytes.size() != length ||
        hashOf(entry.bytes) != header.value(QLatin1String("sha1")).toString())
        return fail(problem, QStringLiteral("its text is damaged"));
    return entry;
}
