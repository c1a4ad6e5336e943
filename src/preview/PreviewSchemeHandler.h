#pragma once

#include <QByteArray>
#include <QString>
#include <QWebEngineUrlSchemeHandler>

// Serves the pane's pages (PreviewAddress): the document's own address gets the editor's text,
// with no limit on its size; any other address gets the local file at its path, so that the
// page's stylesheets, images and scripts load from its folder. An untitled document's page is
// served alone.
class PreviewSchemeHandler : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    // The page served at `path` from now on; `servesFiles` says whether files beside it load.
    void setPage(const QString& path, const QByteArray& html, bool servesFiles);

    void requestStarted(QWebEngineUrlRequestJob* job) override;

private:
    void serveFile(QWebEngineUrlRequestJob* job, const QString& path);

    QString m_path;
    QByteArray m_html;
    bool m_servesFiles = false;
};
