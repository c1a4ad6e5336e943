#include "text/SizeReport.h"

#include <QLocale>

namespace {

QString sizeText(qint64 n, const char* bytesSuffix, const char* kilobytesSuffix) {
    if (n < 1000)
        return QLatin1Char(' ') + QString::number(n) + QLatin1String(bytesSuffix);
    return QLatin1Char(' ') + SizeReport::kilobytes(n) + QLatin1String(kilobytesSuffix);
}

QString documentText(qint64 documentLength) {
    return sizeText(documentLength, " bytes", " KB");
}

}  // namespace

QString SizeReport::kilobytes(qint64 n) {
    const QString thousandths = QString::number(n % 1000).rightJustified(3, QLatin1Char('0'));
    return QString::number(n / 1000) + QLocale::system().decimalPoint() + thousandths;
}

QString SizeReport::afterRelease(qint64 selectedLength, qint64 documentLength) {
    if (selectedLength == 0)
        return documentText(documentLength);
    return sizeText(selectedLength, " bytes selected", " KB selected");
}

std::optional<QString> SizeReport::afterMouseMove(qint64 selectedLength, qint64 documentLength) {
    if (selectedLength != 0)
        return std::nullopt;
    return documentText(documentLength);
}
