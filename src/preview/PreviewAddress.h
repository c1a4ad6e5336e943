#pragma once

#include <QString>
#include <QUrl>

// The pane's pages are served under a scheme of the module's own, at the path of the document's
// file, so that the page's relative addresses resolve inside the document's folder as they would
// in a browser reading the file, while the page itself is the editor's text.
namespace PreviewAddress {

inline const QString kScheme = QStringLiteral("pagelark-preview");

// The address of a document's page. An untitled document has no folder: its page lies at a
// made-up path under which nothing else is served.
QUrl forDocument(const QString& filePath, quint64 documentId);
// The local file an address of the scheme stands for.
QString localPath(const QUrl& url);
// The address the desktop is given for a link: the local file for an address of the scheme.
QUrl outside(const QUrl& url);
// True when `url` is `page` or a place in it (an in-page link).
bool samePage(const QUrl& url, const QUrl& page);

}  // namespace PreviewAddress
