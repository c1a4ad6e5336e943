// Start-up to a shown, idle frame with one document window, against the floor: an empty
// QMainWindow with a QMdiArea.
#include "support/BenchFrame.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <memory>

namespace {

void startupPagelark(benchmark::State& state) {
    for (auto _ : state) {
        auto frame = std::make_unique<BenchFrame>();
        state.PauseTiming();
        frame.reset();
        settle();
        state.ResumeTiming();
    }
}

void startupFloor(benchmark::State& state) {
    for (auto _ : state) {
        auto window = std::make_unique<QMainWindow>();
        window->setCentralWidget(new QMdiArea);
        window->resize(470, 387);
        window->show();
        settle();
        state.PauseTiming();
        window.reset();
        settle();
        state.ResumeTiming();
    }
}

// The time from its making to the first paint of an editor's text area, where the user's eye
// goes first.
class FirstPaintClock : public QObject {
public:
    FirstPaintClock() {
        qApp->installEventFilter(this);
        m_clock.start();
    }
    ~FirstPaintClock() override { qApp->removeEventFilter(this); }
    double seconds() const { return double(m_paintedAt) / 1e9; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (m_paintedAt < 0 && event->type() == QEvent::Paint &&
            qobject_cast<QPlainTextEdit*>(watched->parent()))
            m_paintedAt = m_clock.nsecsElapsed();
        return false;
    }

private:
    QElapsedTimer m_clock;
    qint64 m_paintedAt = -1;
};

// In this process, the frame made and shown up to the first paint of its first document: Qt's
// own start lies outside, so this row shows what the program adds on its way to the screen.
void firstPaintPagelark(benchmark::State& state) {
    for (auto _ : state) {
        FirstPaintClock clock;
        auto frame = std::make_unique<BenchFrame>();
        state.SetIterationTime(clock.seconds());
        frame.reset();
        settle();
    }
}

void firstPaintFloor(benchmark::State& state) {
    for (auto _ : state) {
        FirstPaintClock clock;
        auto window = std::make_unique<QMainWindow>();
        auto* area = new QMdiArea;
        window->setCentralWidget(area);
        area->addSubWindow(new QPlainTextEdit)->showMaximized();
        window->resize(470, 387);
        window->show();
        settle();
        state.SetIterationTime(clock.seconds());
        window.reset();
        settle();
    }
}

}  // namespace

BENCHMARK(firstPaintPagelark)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(firstPaintFloor)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(startupPagelark)->Unit(benchmark::kMillisecond);
BENCHMARK(startupFloor)->Unit(benchmark::kMillisecond);
