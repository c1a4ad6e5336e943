#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// The frame's status line: three labels side by side and the timer that clears the first one
// three seconds after the last hint.
class StatusLine : public QWidget {
    Q_OBJECT
public:
    explicit StatusLine(QWidget* parent = nullptr);

    QLabel* message() const { return m_labels[0]; }
    QLabel* font() const { return m_labels[1]; }
    QLabel* templateFile() const { return m_labels[2]; }
    QTimer* timer() const { return m_timer; }

    // Restarts the three-second count, as a hover over a toolbar button does.
    void restartTimer();

private:
    QLabel* m_labels[3];
    QTimer* m_timer;
};
