#pragma once

#include "ui/LivePreviewPane.h"

#include <QObject>

// The preview module's entry point. The browser engine starts with the first pane: the page
// scheme is registered and the engine's shared graphics context made then, before any profile
// exists, as the engine requires.
class PreviewModule : public QObject, public LivePreviewModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PAGELARK_LIVE_PREVIEW_IID)
    Q_INTERFACES(LivePreviewModule)
public:
    QString missingPiece() const override;
    LivePreviewPane* createPane(QWidget* parent) override;

private:
    void startEngine();

    bool m_started = false;
};
