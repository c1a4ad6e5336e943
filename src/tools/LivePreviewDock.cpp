#include "tools/LivePreviewDock.h"

#include <QCloseEvent>

LivePreviewDock::LivePreviewDock(QWidget* parent)
    : QDockWidget(QStringLiteral("Live Preview"), parent) {
    setObjectName(QStringLiteral("live_preview_dock"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
}

void LivePreviewDock::closeEvent(QCloseEvent* event) {
    QDockWidget::closeEvent(event);
    if (event->isAccepted())
        emit closedByUser();
}
