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
    if (secondEnd < 0 || secondEnd >= JournalEntry::kLongestHeader)
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

QString JournalTextSpan::checkSize(qint64 size) const {
    if (size < length)
        return QStringLiteral("it is cut short");
    return size > length ? QStringLiteral("its text is damaged") : QString();
}

QString JournalTextSpan::check(const QByteArray& bytes) const {
    if (const QString problem = checkSize(bytes.size()); !problem.isEmpty())
        return problem;
    return hashOf(bytes) == sha1 ? QString() : QStringLiteral("its text is damaged");
}

std::optional<JournalEntry> JournalEntry::parse(const QByteArray& file, QString* problem,
                                                QString* name) {
    JournalTextSpan text;
    std::optional<JournalEntry> entry = parseHeader(file, &text, problem, name);
    if (!entry)
        return entry;
    entry->bytes = file.mid(text.start);
    if (const QString damage = text.check(entry->bytes); !damage.isEmpty())
        return fail(problem, damage);
    return entry;
}

std::optional<JournalEntry> JournalEntry::parseHeader(const QByteArray& start,
                                                      JournalTextSpan* text, QString* problem,
                                                      QString* name) {
    if (!start.startsWith(kMagic))
        return fail(problem, QStringLiteral("it is not a recovery entry"));
    if (!start.startsWith(kMagic + QByteArray::number(kVersion) + '\n'))
        return fail(problem, QStringLiteral("it was written by another version of Pagelark"));
    qsizetype textStart = 0;
    const QJsonObject header = headerOf(start, &textStart);
    const std::optional<TextFormat> format = formatFrom(header);
    const QDateTime taken =
        QDateTime::fromString(header.value(QLatin1String("taken")).toString(), Qt::ISODateWithMs);
    const QString keptAs = header.value(QLatin1String("keptAs")).toString();
    *text = {textStart, header.value(QLatin1String("length")).toInteger(-1),
             header.value(QLatin1String("sha1")).toString()};
    if (!format || !taken.isValid() || text->length < 0 ||
        !(keptAs.isEmpty() || keptAs == encodingName(TextEncoding::Utf8)))
        return fail(problem, QStringLiteral("its description is damaged"));
    JournalEntry entry{header.value(QLatin1String("path")).toString(),
                       header.value(QLatin1String("caption")).toString(),
                       *format,
                       taken.toLocalTime(),
                       {},
                       !keptAs.isEmpty()};
    if (name)
        *name = entry.displayName();
    return entry;
}
