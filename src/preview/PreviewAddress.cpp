#include "preview/PreviewAddress.h"

#include <QFileInfo>

namespace PreviewAddress {

QUrl forDocument(const QString& filePath, quint64 documentId) {
    const QString path = filePath.isEmpty()
                             ? QStringLiteral("/untitled-%1/untitled.html").arg(documentId)
                             : QFileInfo(filePath).absoluteFilePath();
    QUrl url;
    url.setScheme(kScheme);
    url.setPath(path);
    return url;
}

QString localPath(const QUrl& url) {
    return url.path(QUrl::FullyDecoded);
}

QUrl outside(const QUrl& url) {
    if (url.scheme() != kScheme)
        return url;
    QUrl file = QUrl::fromLocalFile(localPath(url));
    file.setQuery(url.query(QUrl::FullyEncoded), QUrl::StrictMode);
    file.setFragment(url.fragment(QUrl::FullyEncoded), QUrl::StrictMode);
    return file;
}

bool samePage(const QUrl& url, const QUrl& page) {
    return url.adjusted(QUrl::RemoveFragment) == page.adjusted(QUrl::RemoveFragment);
}

}  // namespace PreviewAddress
