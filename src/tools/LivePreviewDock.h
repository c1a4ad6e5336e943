#pragma once

#include <QDockWidget>

// The dock that holds the live preview's pane beside the document windows. The user may move,
// size, float or close it; closing it is told apart from the program hiding it.
class LivePreviewDock : public QDockWidget {
    Q_OBJECT
public:
    explicit LivePreviewDock(QWidget* parent = nullptr);

signals:
    // The user closed the dock (its close button, or the window manager's while it floats).
    void closedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;
};
