#include "preview/PreviewWebPage.h"

#include "preview/PreviewAddress.h"

#include <QWebEngineNewWindowRequest>

namespace {

// What the desktop may be handed: addresses a browser or mail program opens, never script or
// engine-internal ones.
bool opensOutside(const QUrl& url) {
    static const QStringList kSchemes = {QStringLiteral("http"), QStringLiteral("https"),
                                         QStringLiteral("file"), QStringLiteral("mailto"),
                                         QStringLiteral("ftp")};
    return url.isValid() && kSchemes.contains(url.scheme());
}

}  // namespace

PreviewWebPage::PreviewWebPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent) {
    connect(this, &QWebEnginePage::newWindowRequested, this, &PreviewWebPage::refuseWindow);
}

bool PreviewWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type,
                                             bool isMainFrame) {
    if (type == NavigationTypeLinkClicked) {
        if (isMainFrame && PreviewAddress::samePage(url, m_documentUrl))
            return true;  // a link to a place in the page
        openOutside(url);
        return false;
    }
    // Frames load what the page puts in them; the page itself stays the document.
    return !isMainFrame || PreviewAddress::samePage(url, m_documentUrl);
}

// Not opening the request refuses the window. A window the user asked for (a link with a
// target, say) shows its address in the desktop's browser instead.
void PreviewWebPage::refuseWindow(QWebEngineNewWindowRequest& request) {
    if (request.isUserInitiated())
        openOutside(request.requestedUrl());
}

void PreviewWebPage::openOutside(const QUrl& url) {
    if (url.scheme() == PreviewAddress::kScheme && !m_hasFolder)
        return;
    const QUrl address = PreviewAddress::outside(url);
    if (m_openUrl && opensOutside(address))
        m_openUrl(address);
}
