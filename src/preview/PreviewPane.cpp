#include "preview/PreviewPane.h"

#include "preview/PreviewAddress.h"
#include "preview/PreviewSchemeHandler.h"
#include "preview/PreviewWebPage.h"

#include <sys/types.h>
#include <QAction>
#include <QDateTime>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <csignal>

namespace {

// The renderer is asked this often whether it still answers, while a page loads and after.
constexpr int kAskLoadingEveryMs = 250;
constexpr int kAskShownEveryMs = 1000;
// What the renderer is asked: whether the document has been parsed, and when its loading began
// (to tell the page that loads from the one it replaces, which answers until it goes).
const QString kQuestion = QStringLiteral("document.readyState + ' ' + performance.timeOrigin");

// Runs in the pane's own script world, apart from the page's scripts: finds the innermost block
// element that starts at or before the line and scrolls it into view unless some of it shows.
const QString kRevealScript = QStringLiteral(R"((function (line) {
  var best = null, bestLine = 0;
  var marked = document.querySelectorAll('[data-pagelark-line]');
  for (var i = 0; i < marked.length; ++i) {
    var at = Number(marked[i].getAttribute('data-pagelark-line'));
    if (at <= line && at >= bestLine) { best = marked[i]; bestLine = at; }
  }
  if (!best) return false;
  var box = best.getBoundingClientRect();
  if (box.bottom <= 0 || box.top >= window.innerHeight)
    best.scrollIntoView({block: box.height > window.innerHeight ? 'start' : 'center'});
  return true;
})(%1))");

void allowOnlyWhatAPreviewNeeds(QWebEngineSettings* settings) {
    settings->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanPaste, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);
}

}  // namespace

PreviewPane::PreviewPane(QWidget* parent)
    : QWidget(parent),
      // A profile made without a storage name keeps nothing on disk.
      m_profile(new QWebEngineProfile(this)),
      m_handler(new PreviewSchemeHandler(this)),
      m_page(new PreviewWebPage(m_profile, this)),
      m_view(new QWebEngineView),
      m_note(new QLabel) {
    setObjectName(QStringLiteral("live_preview_pane"));
    m_view->setObjectName(QStringLiteral("live_preview_view"));
    m_note->setObjectName(QStringLiteral("live_preview_note"));
    m_profile->installUrlSchemeHandler(PreviewAddress::kScheme.toUtf8(), m_handler);
    connect(m_profile, &QWebEngineProfile::downloadRequested, this,
            [](QWebEngineDownloadRequest* download) { download->cancel(); });
    allowOnlyWhatAPreviewNeeds(m_page->settings());
    m_view->setPage(m_page);
    // Copying is all the page's menu offers: the engine's own menu navigates and saves.
    m_view->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_view->addAction(m_page->action(QWebEnginePage::Copy));
    m_view->addAction(m_page->action(QWebEnginePage::SelectAll));
    m_note->setWordWrap(true);
    m_note->setMargin(4);
    m_note->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_note);
    layout->addWidget(m_view, 1);
    connect(m_page, &QWebEnginePage::loadFinished, this, &PreviewPane::loadEnded);
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this, &PreviewPane::rendererGone);
    m_askTimer.setSingleShot(true);
    connect(&m_askTimer, &QTimer::timeout, this, &PreviewPane::askRenderer);
}

// The page must go before its profile, and the view that shows it before the page.
PreviewPane::~PreviewPane() {
    delete m_view;
    delete m_page;
    delete m_profile;
}

void PreviewPane::setUrlOpener(UrlOpener opener) {
    m_page->setUrlOpener(std::move(opener));
}

void PreviewPane::showPage(const PreviewPage& page) {
    m_waiting = page;
    m_retried = false;
    if (!m_loading)
        startLoad();
}

void PreviewPane::startLoad() {
    const PreviewPage page = std::move(*m_waiting);
    m_waiting.reset();
    const bool blank = page.documentId == 0 && page.html.isEmpty();
    const bool hasFolder = !page.filePath.isEmpty();
    const QUrl url = blank ? QUrl(QStringLiteral("about:blank"))
                           : PreviewAddress::forDocument(page.filePath, page.documentId);
    // A newer text of the page shown reloads it, which keeps the place the reader scrolled to.
    const bool update = page.documentId == m_shownId && url == m_shownUrl;
    m_handler->setPage(PreviewAddress::localPath(url), page.html, hasFolder);
    m_page->setDocument(url, hasFolder);
    showNote(blank || hasFolder
                 ? QString()
                 : tr("This document has not been saved, so it has no folder: links, "
                      "stylesheets, images and scripts with relative addresses load once it "
                      "has one."));
    m_current = page;
    m_shownId = page.documentId;
    m_shownUrl = url;
    m_loading = true;
    m_loadClock.start();
    m_loadStartedAt = QDateTime::currentMSecsSinceEpoch();
    m_asking = false;
    m_askTimer.start(kAskLoadingEveryMs);
    if (update)
        m_page->triggerAction(QWebEnginePage::Reload);
    else
        m_page->load(url);
}

void PreviewPane::loadEnded() {
    m_loading = false;
    if (m_waiting) {
        startLoad();
        return;
    }
    if (m_revealAfterLoad > 0)
        runReveal(std::exchange(m_revealAfterLoad, 0));
    if (m_shown)
        m_shown();
}

// Asks the renderer a question that any page answers at once unless a script holds it (a page
// whose script never ends would otherwise also keep a processor busy until the next change).
void PreviewPane::askRenderer() {
    m_askTimer.start(m_loading ? kAskLoadingEveryMs : kAskShownEveryMs);
    if (m_asking) {
        if (m_askedAt.elapsed() >= hungAfterMs())
            endRenderer();
        return;
    }
    m_asking = true;
    m_askedAt.start();
    const quint64 serial = ++m_askSerial;
    m_page->runJavaScript(kQuestion, QWebEngineScript::ApplicationWorld,
                          [pane = QPointer<PreviewPane>(this), serial](const QVariant& answer) {
                              if (pane && serial == pane->m_askSerial)
                                  pane->rendererAnswered(answer.toString());
                          });
}

// Laying out a large page is one long task that answers nothing meanwhile, a slow machine's
// several seconds for a few megabytes: the allowance grows with the page.
qint64 PreviewPane::hungAfterMs() const {
    return kHungAfterMs + m_current.html.size() * kHungAfterPerMegabyteMs / 1000000;
}

// A newer page replaces the one loading once that one's text is in (its images and the like may
// still be on their way), or once it has taken as long as a hung one would.
void PreviewPane::rendererAnswered(const QString& answer) {
    m_asking = false;
    if (!m_loading || !m_waiting)
        return;
    const QStringList parts = answer.split(QLatin1Char(' '));
    const bool parsed = parts.size() == 2 && parts[0] != QLatin1String("loading") &&
                        parts[1].toDouble() >= double(m_loadStartedAt - kClockSlackMs);
    if (parsed || m_loadClock.elapsed() >= hungAfterMs())
        startLoad();
}

// The renderer holds no state of the program's: ending it loses nothing but the page shown.
// One that has not started yet is given more time.
void PreviewPane::endRenderer() {
    const qint64 pid = m_page->renderProcessPid();
    if (pid <= 0) {
        m_asking = false;
        return;
    }
    m_askTimer.stop();
    m_endedHung = true;
    ::kill(pid_t(pid), SIGKILL);
}

void PreviewPane::rendererGone() {
    m_loading = false;
    m_asking = false;
    m_askTimer.stop();
    m_shownUrl.clear();
    showNote(std::exchange(m_endedHung, false)
                 ? tr("The page stopped answering (a script that never ends?); the preview "
                      "shows it again after the next change.")
                 : tr("The page's renderer ended; the preview shows the page again after the "
                      "next change."));
    // The page that was loading gets one more try (the renderer may have hung on the page
    // before it); after that, only a new text starts one.
    if (!m_waiting && !std::exchange(m_retried, true))
        m_waiting = m_current;
    if (m_waiting)
        startLoad();
}

void PreviewPane::revealLine(int line) {
    if (m_loading)
        m_revealAfterLoad = line;
    else
        runReveal(line);
}

void PreviewPane::runReveal(int line) {
    m_page->runJavaScript(kRevealScript.arg(line), QWebEngineScript::ApplicationWorld);
}

void PreviewPane::showNote(const QString& text) {
    m_note->setText(text);
    m_note->setVisible(!text.isEmpty());
}
