// HTML colouring: typing with it attached (against the bare editor), opening a file with it
// attached (against the same open without it), and lexing a whole document in idle slices.
#include "document/DocumentWindow.h"
#include "document/EditorBox.h"
#include "document/FileCommands.h"
#include "document/SyntaxColoring.h"
#include "support/BenchFrame.h"
#include "support/BenchText.h"

#include <benchmark/benchmark.h>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <ctime>

namespace {

// Processor time of this thread in milliseconds: unlike wall time, it does not count the
// time that other processes on a busy machine take.
double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Lets the idle slices finish the colouring; returns the longest turn of the event loop in
// milliseconds of processor time.
double colorWholeDocument(SyntaxColoring& coloring) {
    double longest = 0;
    while (!coloring.isComplete()) {
        const double start = threadMilliseconds();
        settle();
        longest = qMax(longest, threadMilliseconds() - start);
    }
    return longest;
}

void typingColored(benchmark::State& state, bool ours) {
    SizedPair& pair = pairFor(state.range(0));
    QPlainTextEdit& editor =
        ours ? static_cast<QPlainTextEdit&>(*pair.ours.doc()->editor()) : pair.bare.editor();
    std::unique_ptr<SyntaxColoring> coloring;
    if (ours) {
        coloring = std::make_unique<SyntaxColoring>(*pair.ours.doc()->editor());
        colorWholeDocument(*coloring);
    }
    caretToMiddle(editor);
    settle();
    for (auto _ : state)
        typeAndErase(&editor);
}

void colorAll(benchmark::State& state) {
    SizedPair& pair = pairFor(state.range(0));
    EditorBox& editor = *pair.ours.doc()->editor();
    editor.moveCursor(QTextCursor::Start);
    settle();
    double longest = 0;
    for (auto _ : state) {
        auto coloring = std::make_unique<SyntaxColoring>(editor);
        longest = qMax(longest, colorWholeDocument(*coloring));
        state.PauseTiming();
        coloring.reset();
        settle();
        state.ResumeTiming();
    }
    state.counters["longest_turn_cpu_ms"] = longest;
}

QString benchFile(BenchFrame& frame, qint64 bytes) {
    const QString path = frame.path(QStringLiteral("colored-%1.html").arg(bytes));
    if (!QFile::exists(path)) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(benchHtml(bytes));
    }
    return path;
}

// Opening as the program will once colouring is wired: attached when the window is made,
// before its text arrives; measured to the first painted screen, as the plain open is.
void openColored(benchmark::State& state) {
    SizedPair& pair = pairFor(state.range(0));
    const QString path = benchFile(pair.ours, state.range(0));
    DocumentWindow* standing = pair.ours.doc();
    QMdiArea* area = pair.ours.frame().findChild<QMdiArea*>();
    const auto attach =
        QObject::connect(area, &QMdiArea::subWindowActivated, [standing](QMdiSubWindow* sub) {
            auto* doc = sub ? qobject_cast<DocumentWindow*>(sub->widget()) : nullptr;
            if (doc && doc != standing && !doc->editor()->document()->findChild<SyntaxColoring*>())
                new SyntaxColoring(*doc->editor());
        });
    for (auto _ : state) {
        DocumentWindow* doc = pair.ours.frame().commands().files().openDocumentFile(path);
        settle();
        state.PauseTiming();
        doc->closeDocument();
        settle();
        state.ResumeTiming();
    }
    QObject::disconnect(attach);
}

}  // namespace

BENCHMARK_CAPTURE(typingColored, Pagelark, true)
    ->Arg(1000)
    ->Arg(20000000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(typingColored, Bare, false)
    ->Arg(1000)
    ->Arg(20000000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(openColored)->Arg(20000000)->Unit(benchmark::kMillisecond);
BENCHMARK(colorAll)->Arg(20000000)->Iterations(2)->Unit(benchmark::kMillisecond);
