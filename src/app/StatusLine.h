#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// The frame's status line: three labels side by side and the timer that clears the first one
// three seconds after the last hint; after them, the caret's line and column.
class StatusLine : public QWidget {
    Q_OBJECT
protected:
    void resizeEvent(QResizeEvent* event) override;

public:
    explicit StatusLine(QWidget* parent = nullptr);

    QLabel* message() const { return m_labels[0]; }
    QLabel* font() const { return m_labels[1]; }
    QLabel* templateFile() const { return m_labels[2]; }
    // "Ln 12, Col 5" of the active document, empty while none is open.
    QLabel* caretPlace() const { return m_labels[3]; }
    QTimer* timer() const { return m_timer; }
    // A mark at the right end that stays while recovery copies cannot be kept; `reason` shows
    // in full as its tooltip. An empty reason takes the mark away.
    void showRecoveryTrouble(const QString& reason);
    QLabel* recoveryMark() const { return m_recoveryMark; }

    // Restarts the three-second count, as a hover over a toolbar button does.
    void restartTimer();

private:
    void placeRecoveryMark();

    QLabel* m_labels[4];
    QTimer* m_timer;
    QLabel* m_recoveryMark;
    QString m_recoveryReason;
};
