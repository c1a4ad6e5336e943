#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QtPlugin>
#include <functional>

class QWidget;

// The live preview's rendering lives in its own shared module (it links a browser engine that
// the rest of the program never loads). These are the only declarations the program and the
// module share: keep them free of anything else of the program's.

// One rendering of a document's text, as the module is given it.
struct PreviewPage {
    // The text as UTF-8; block-level start tags carry their source line (PreviewSourceLines).
    QByteArray html;
    // The document's file; empty for an untitled document, whose relative addresses go nowhere.
    QString filePath;
    // Pages with the same id are versions of one document: a newer one keeps the pane's place.
    // Id 0 with no html shows nothing.
    quint64 documentId = 0;
};

// The pane that shows pages. It never waits for the renderer: every call returns at once.
class LivePreviewPane {
public:
    // Hands a link's address to the desktop; false when nothing could take it.
    using UrlOpener = std::function<bool(const QUrl&)>;
    // Called each time a page has been loaded and shown.
    using ShownListener = std::function<void()>;

    virtual ~LivePreviewPane() = default;

    // The widget to place; deleting it deletes the pane.
    virtual QWidget* widget() = 0;
    // Shows `page`; pages arriving while one loads are coalesced to the newest.
    virtual void showPage(const PreviewPage& page) = 0;
    // Brings into view the innermost block element that starts at or before the 1-based `line`,
    // unless it is in view already.
    virtual void revealLine(int line) = 0;
    // Where clicked links go, instead of into the pane.
    virtual void setUrlOpener(UrlOpener opener) = 0;
    virtual void setShownListener(ShownListener listener) = 0;
};

// The module's entry point, found with QPluginLoader.
class LivePreviewModule {
public:
    virtual ~LivePreviewModule() = default;

    // What this system lacks for the module to work, as a sentence for the user; empty when
    // nothing is missing. Nothing else may be called while it is not empty.
    virtual QString missingPiece() const = 0;
    // A new pane, a child of `parent`.
    virtual LivePreviewPane* createPane(QWidget* parent) = 0;
};

#define PAGELARK_LIVE_PREVIEW_IID "org.pagelark.LivePreviewModule/1"
Q_DECLARE_INTERFACE(LivePreviewModule, PAGELARK_LIVE_PREVIEW_IID)
