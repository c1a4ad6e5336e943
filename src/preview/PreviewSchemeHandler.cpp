#include "preview/PreviewSchemeHandler.h"

#include "preview/PreviewAddress.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QWebEngineUrlRequestJob>

void PreviewSchemeHandler::setPage(const QString& path, const QByteArray& html, bool servesFiles) {
    m_path = path;
    m_html = html;
    m_servesFiles = servesFiles;
}

void PreviewSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
    const QString path = PreviewAddress::localPath(job->requestUrl());
    if (job->requestMethod() != "GET") {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
    } else if (path == m_path) {
        // The buffer shares the page's bytes; the job owns it and reads it on its own pace.
        auto* page = new QBuffer(job);
        page->setData(m_html);
        page->open(QIODevice::ReadOnly);
        job->reply(QByteArrayLiteral("text/html;charset=utf-8"), page);
    } else if (m_servesFiles) {
        serveFile(job, path);
    } else {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
    }
}

void PreviewSchemeHandler::serveFile(QWebEngineUrlRequestJob* job, const QString& path) {
    if (!QFileInfo(path).isFile()) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    auto* file = new QFile(path, job);
    if (!file->open(QIODevice::ReadOnly)) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    static const QMimeDatabase types;
    job->reply(types.mimeTypeForFile(path, QMimeDatabase::MatchExtension).name().toUtf8(), file);
}
