#pragma once

#include "ui/LivePreviewPane.h"

#include <QWebEnginePage>

class QWebEngineNewWindowRequest;

// The page shown in the pane, held to what a preview may do: it stays on the document's page.
// Clicked links, and windows the user asked for, go to the desktop through the opener; every
// other navigation away, new window and (through the profile) download is refused. The page's
// console messages are its author's business and are dropped.
class PreviewWebPage : public QWebEnginePage {
    Q_OBJECT
public:
    PreviewWebPage(QWebEngineProfile* profile, QObject* parent);

    void setUrlOpener(LivePreviewPane::UrlOpener opener) { m_openUrl = std::move(opener); }
    // The address the pane loaded last, the only one the main frame may show, and whether the
    // document has a folder (an untitled one's relative links lead nowhere).
    void setDocument(const QUrl& url, bool hasFolder) {
        m_documentUrl = url;
        m_hasFolder = hasFolder;
    }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                  const QString&) override {}

private:
    void refuseWindow(QWebEngineNewWindowRequest& request);
    void openOutside(const QUrl& url);

    LivePreviewPane::UrlOpener m_openUrl;
    QUrl m_documentUrl;
    bool m_hasFolder = false;
};
