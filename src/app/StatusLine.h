#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// The frame's status line: three labels side by side and the timer that clears the first one
// three seconds after the last hint; after them, the caret's line and column, and whether the
// active document has unsaved changes.
class StatusLine : public QWidget {
    Q_OBJECT
public:
    explicit StatusLine(QWidget* parent = nullptr);

    QLabel* message() const { return m_labels[0]; }
    QLabel* font() const { return m_labels[1]; }
    QLabel* templateFile() const { return m_labels[2]; }
    // "Ln 12, Col 5" of the active document, empty while none is open.
    QLabel* caretPlace() const { return m_labels[3]; }
    // "Modified" while the active document has unsaved changes.
    QLabel* modified() const { return m_labels[4]; }
    QTimer* timer() const { return m_timer; }

    // Restarts the three-second count, as a hover over a toolbar button does.
    void restartTimer();

private:
    QLabel* m_labels[5];
    QTimer* m_timer;
};
