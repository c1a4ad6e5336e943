// Start-up to a shown, idle frame with one document window, against the floor: an empty
// QMainWindow with a QMdiArea.
#include "support/BenchFrame.h"

#include <benchmark/benchmark.h>
#include <QMainWindow>
#include <QMdiArea>
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

}  // namespace

BENCHMARK(startupPagelark)->Unit(benchmark::kMillisecond);
BENCHMARK(startupFloor)->Unit(benchmark::kMillisecond);
