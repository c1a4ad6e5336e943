// The live preview: what an open pane adds to a key on the user-interface thread, and how long
// after the last key the pane shows the text. The pane sits in a window of its own beside the
// frame, so that the editor keeps the same size with the pane open as without it.
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "support/BenchFrame.h"
#include "support/Memory.h"
#include "tools/LivePreview.h"
#include "tools/LivePreviewLoader.h"

#include <benchmark/benchmark.h>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

// A 20 MB page takes the engine minutes on a loaded two-core machine.
constexpr int kPageTimeoutMs = 900000;

LivePreviewModule* previewModule() {
    static LivePreviewLoader loader({QStringLiteral(PAGELARK_PREVIEW_MODULE_FOLDER)});
    return loader.module();
}

// The first pane of the run, which starts the engine: wall-clock time to its first page, and the
// longest the user-interface thread went without handling events meanwhile (making the pane, which
// starts the engine, is one stretch of it).
struct FirstOpen {
    double ms = 0;
    double longestStallMs = 0;
};
FirstOpen firstOpen;

// The pane following a frame's document, shown in its own window.
class OpenPane {
public:
    explicit OpenPane(QPlainTextEdit& editor) {
        static bool first = true;
        QElapsedTimer clock;
        clock.start();
        m_preview.emplace(*previewModule());
        m_preview->view().setShownListener([this] { ++m_shown; });
        m_preview->pane()->resize(600, 500);
        m_preview->pane()->show();
        m_preview->setDocument(&editor, QString());
        double stall = clock.nsecsElapsed() / 1e6;
        waitForPage(0, kPageTimeoutMs, &stall);
        if (std::exchange(first, false))
            firstOpen = {clock.nsecsElapsed() / 1e6, stall};
    }
    int shown() const { return m_shown; }
    // Runs the event loop until more than `before` pages were shown; the longest the loop went
    // without handling a 5 ms tick meanwhile goes to *longestStallMs.
    bool waitForPage(int before, int timeoutMs, double* longestStallMs = nullptr) {
        QEventLoop loop;
        QTimer tick;
        QElapsedTimer sinceTick;
        sinceTick.start();
        QObject::connect(&tick, &QTimer::timeout, [&] {
            if (longestStallMs)
                *longestStallMs = std::max(*longestStallMs, sinceTick.nsecsElapsed() / 1e6);
            sinceTick.restart();
            if (m_shown > before)
                loop.quit();
        });
        tick.start(5);
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
        return m_shown > before;
    }

private:
    std::optional<LivePreview> m_preview;
    int m_shown = 0;
};

QPlainTextEdit& editorOf(qint64 bytes) {
    QPlainTextEdit& editor = *pairFor(bytes).ours.doc()->editor();
    caretToMiddle(editor);
    return editor;
}

void previewTyping(benchmark::State& state, bool open) {
    QPlainTextEdit& editor = editorOf(state.range(0));
    std::unique_ptr<OpenPane> pane;
    if (open && previewModule()) {
        pane = std::make_unique<OpenPane>(editor);
        // The engine goes on starting its processes for a while after the first page.
        QEventLoop rest;
        QTimer::singleShot(3000, &rest, &QEventLoop::quit);
        rest.exec();
    }
    for (auto _ : state)
        typeAndErase(&editor);
}

// From the last key (a letter typed and erased) to the pane's load of the new text.
void previewLatency(benchmark::State& state) {
    if (!previewModule()) {
        state.SkipWithError("no live preview module");
        return;
    }
    QPlainTextEdit& editor = editorOf(state.range(0));
    OpenPane pane(editor);
    double longestStallMs = 0;
    for (auto _ : state) {
        const int before = pane.shown();
        typeAndErase(&editor);
        QElapsedTimer clock;
        clock.start();
        if (!pane.waitForPage(before, kPageTimeoutMs, &longestStallMs))
            state.SkipWithError("the pane showed no page");
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
    state.counters["longest_stall_ms"] = longestStallMs;
    state.counters["first_open_ms"] = firstOpen.ms;
    state.counters["first_open_stall_ms"] = firstOpen.longestStallMs;
}

void sizes(benchmark::internal::Benchmark* bench) {
    bench->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
}

}  // namespace

// Repeated, so that the medians stand against the machine's other work; run them with
// --benchmark_enable_random_interleaving=true to spread that work over both alike.
BENCHMARK_CAPTURE(previewTyping, Closed, false)->Apply(sizes)->Repetitions(5);
BENCHMARK_CAPTURE(previewTyping, Open, true)->Apply(sizes)->Repetitions(5);
BENCHMARK(previewLatency)
    ->Arg(65536)
    ->Arg(3000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseManualTime();
// The longest stall is the figure here: the page's time is the engine's.
BENCHMARK(previewLatency)
    ->Arg(20000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseManualTime();

// The memory probe's child: the frame with the document, and the pane showing it.
qint64 previewProcessesKilobytes(QPlainTextEdit& editor, qint64* enginesKilobytes) {
    if (!previewModule())
        return 0;
    OpenPane pane(editor);
    *enginesKilobytes = childrenResidentKilobytes();
    return residentKilobytes();
}
