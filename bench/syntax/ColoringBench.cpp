// HTML colouring and the line-number gutter. The program ships with both on, so every other
// row measures it with them; these rows measure it without them, as it was before they came,
// and the colouring of a whole document in idle time.
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "support/BenchFrame.h"
#include "support/BenchText.h"
#include "syntax/SyntaxColoring.h"

#include "support/Memory.h"

#include <benchmark/benchmark.h>
#include <QFile>
#include <QScrollBar>
#include <ctime>

namespace {

// Processor time of this thread in milliseconds: unlike wall time, it does not count the
// time that other processes on a busy machine take.
double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The program with both View switches off for as long as it lives.
class WithoutAids {
public:
    explicit WithoutAids(BenchFrame& frame) : m_frame(frame) { frame.setEditorAids(false, false); }
    ~WithoutAids() { m_frame.setEditorAids(true, true); }

private:
    BenchFrame& m_frame;
};

// A page down and its painting, page after page through a long document; the memory the
// program keeps meanwhile is reported too, as the shapes of the lines painted must not pile up.
void scrollThrough(benchmark::State& state, bool ours) {
    SizedPair& pair = pairFor(state.range(0));
    QPlainTextEdit& editor = ours ? *pair.ours.doc()->editor() : pair.bare.editor();
    settle();
    const int page = editor.viewport()->height() / editor.fontMetrics().lineSpacing();
    const qint64 before = residentKilobytes();
    for (auto _ : state) {
        editor.verticalScrollBar()->setValue(int(state.iterations()) * page);
        editor.viewport()->repaint();
    }
    state.counters["kept_KB"] = double(residentKilobytes() - before);
    editor.verticalScrollBar()->setValue(0);
    settle();
}

void typingPlain(benchmark::State& state) {
    SizedPair& pair = pairFor(state.range(0));
    WithoutAids plain(pair.ours);
    QPlainTextEdit& editor = *pair.ours.doc()->editor();
    caretToMiddle(editor);
    settle();
    for (auto _ : state)
        typeAndErase(&editor);
}

// Opening to the first painted screen without colouring or line numbers, as openFile/Pagelark
// does with them.
void openPlain(benchmark::State& state) {
    SizedPair& pair = pairFor(state.range(0));
    const QString path = pair.ours.htmlFile(state.range(0));
    WithoutAids plain(pair.ours);
    for (auto _ : state) {
        DocumentWindow* doc = pair.ours.program().files().openDocumentFile(path);
        settle();
        state.PauseTiming();
        doc->closeDocument();
        settle();
        state.ResumeTiming();
    }
}

// Switching colouring on over a whole document until every line is lexed, in slices of idle
// time; the longest turn of the event loop is what typing could have to wait for.
void colourAll(benchmark::State& state) {
    SizedPair& pair = pairFor(state.range(0));
    pair.ours.doc()->editor()->moveCursor(QTextCursor::Start);
    double longest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        pair.ours.setEditorAids(false, true);
        state.ResumeTiming();
        pair.ours.state().setEditorSwitches({true, true, false});
        auto* coloring = pair.ours.doc()->editor()->document()->findChild<SyntaxColoring*>();
        while (!coloring->isComplete()) {
            const double start = threadMilliseconds();
            settle();
            longest = qMax(longest, threadMilliseconds() - start);
        }
    }
    state.counters["longest_turn_cpu_ms"] = longest;
}

}  // namespace

BENCHMARK_CAPTURE(scrollThrough, Pagelark, true)
    ->Arg(20000000)
    ->Iterations(2000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(scrollThrough, Bare, false)
    ->Arg(20000000)
    ->Iterations(2000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(typingPlain)->Arg(1000)->Arg(20000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(openPlain)->Arg(20000000)->Unit(benchmark::kMillisecond);
BENCHMARK(colourAll)->Arg(20000000)->Iterations(2)->Unit(benchmark::kMillisecond);
