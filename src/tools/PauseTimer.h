#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

// Runs an action once a stream of events has paused for an interval. An event costs a clock
// reading, not a timer restart: the timer, once started, looks on expiry whether an event came
// meanwhile and waits out the rest.
class PauseTimer {
public:
    PauseTimer(int intervalMs, std::function<void()> action)
        : m_intervalMs(intervalMs), m_action(std::move(action)) {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { expire(); });
    }

    void event() {
        m_sinceEvent.start();
        if (!m_timer.isActive())
            m_timer.start(m_intervalMs);
    }
    void stop() { m_timer.stop(); }

private:
    void expire() {
        const qint64 quiet = m_sinceEvent.elapsed();
        if (quiet < m_intervalMs)
            m_timer.start(int(m_intervalMs - quiet));
        else
            m_action();
    }

    int m_intervalMs;
    std::function<void()> m_action;
    QTimer m_timer;
    QElapsedTimer m_sinceEvent;
};
