#pragma once

#include "ui/LivePreviewPane.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWebEnginePage>
#include <QWidget>
#include <optional>

class PreviewSchemeHandler;
class PreviewWebPage;
class QLabel;
class QWebEngineProfile;
class QWebEngineView;

// The live preview: a browser view of the pages it is given, in a private profile that keeps
// nothing on disk. The renderer is another process and nothing here waits for it: a page arriving
// while another loads waits for that one's text to be parsed (its images and the like may still
// come) and then replaces it; a renderer that stops answering (a script that never ends) is
// ended, and the page tried once more in a new one.
class PreviewPane : public QWidget, public LivePreviewPane {
    Q_OBJECT
public:
    explicit PreviewPane(QWidget* parent = nullptr);
    ~PreviewPane() override;

    QWidget* widget() override { return this; }
    void showPage(const PreviewPage& page) override;
    void revealLine(int line) override;
    void setUrlOpener(UrlOpener opener) override;
    void setShownListener(ShownListener listener) override { m_shown = std::move(listener); }
    // Room for a page beside the source: the browser view itself asks for none.
    QSize sizeHint() const override { return {480, 480}; }

    // How long a renderer may leave a question unanswered before it counts as hung: a while,
    // and longer for a large page.
    static constexpr int kHungAfterMs = 5000;
    static constexpr int kHungAfterPerMegabyteMs = 5000;
    // The renderer's clock is read in another process, and rounded.
    static constexpr int kClockSlackMs = 50;

private:
    void startLoad();
    void loadEnded();
    void askRenderer();
    qint64 hungAfterMs() const;
    void rendererAnswered(const QString& answer);
    void endRenderer();
    void rendererGone();
    void runReveal(int line);
    void showNote(const QString& text);

    QWebEngineProfile* m_profile;
    PreviewSchemeHandler* m_handler;
    PreviewWebPage* m_page;
    QWebEngineView* m_view;
    QLabel* m_note;

    std::optional<PreviewPage> m_waiting;
    PreviewPage m_current;
    bool m_retried = false;
    quint64 m_shownId = 0;
    QUrl m_shownUrl;
    bool m_loading = false;
    QElapsedTimer m_loadClock;
    qint64 m_loadStartedAt = 0;  // milliseconds since the epoch, as the renderer counts them
    int m_revealAfterLoad = 0;
    ShownListener m_shown;

    // Questions to the renderer: one at a time, while a page is shown.
    QTimer m_askTimer;
    QElapsedTimer m_askedAt;
    bool m_asking = false;
    bool m_endedHung = false;
    quint64 m_askSerial = 0;
};
