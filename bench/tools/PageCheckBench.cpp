// Check Page on a large page: the whole check in the checker process (starting it, handing it the
// page, libtidy's work and reading its answer), the time the user-interface thread spends
// starting a check, and the longest the user-interface thread goes without handling an event
// while a check runs.
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "support/BenchFrame.h"
#include "support/BenchText.h"
#include "tools/PageCheckPanel.h"
#include "tools/PageCheckRun.h"

#include <benchmark/benchmark.h>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextDocument>
#include <QTimer>

namespace {

// With a second argument of 1, every link lacks its end tag: a warning on every table row.
void pageCheck(benchmark::State& state) {
    QByteArray html = benchHtml(state.range(0));
    if (state.range(1))
        html.replace("</a>", "");
    QTextDocument page;
    page.setPlainText(QString::fromUtf8(html));
    qsizetype problems = -1;
    for (auto _ : state) {
        PageCheckRun run(PageChecker::programChecker(), PageChecker::kTimeLimit);
        QEventLoop loop;
        QObject::connect(&run, &PageCheckRun::ended, [&](auto ending, const PageCheckResult& r) {
            problems = ending == PageCheckRun::Ending::Checked ? r.problems.size() : -1;
            loop.quit();
        });
        run.start(page);
        loop.exec();
    }
    state.counters["problems_listed"] = double(problems);  // -1: no answer
}

// The time until check() returns is what the user-interface thread gives; while libtidy works,
// a 5 ms timer measures how long events wait.
void pageCheckFromTheEditor(benchmark::State& state) {
    EditorBox& editor = *pairFor(state.range(0)).ours.doc()->editor();
    PageCheckPanel panel;
    double longestStallMs = 0;
    for (auto _ : state) {
        QEventLoop loop;
        QObject::connect(&panel, &PageCheckPanel::checkFinished, &loop, &QEventLoop::quit);
        QElapsedTimer clock;
        clock.start();
        panel.check(&editor);
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        QElapsedTimer sinceTick;
        sinceTick.start();
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            longestStallMs = std::max(longestStallMs, sinceTick.nsecsElapsed() / 1e6);
            sinceTick.restart();
        });
        tick.start(5);
        loop.exec();
    }
    state.counters["longest_stall_ms"] = longestStallMs;
}

}  // namespace

BENCHMARK(pageCheck)
    ->Args({20000000, 0})
    ->Args({20000000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(pageCheckFromTheEditor)
    ->Arg(20000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseManualTime();
