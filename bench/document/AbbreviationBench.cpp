// Edit > Expand Abbreviation of a 1,000-element abbreviation through the real frame, against the
// same markup put into a bare editor as one insert; and the longest the event loop waits.
#include "document/DocumentWindow.h"
#include "document/StructureTyping.h"
#include "editor/EditorBox.h"
#include "html/Abbreviation.h"
#include "support/BenchFrame.h"

#include <benchmark/benchmark.h>
#include <QAction>
#include <QElapsedTimer>

namespace {

// 1,001 elements: the list and 500 items of a link each.
const QString kAbbreviation = QStringLiteral("ul>(li>a[href=#p$]{Page $})*500");

void putAbbreviation(QPlainTextEdit& editor) {
    caretToMiddle(editor);
    QTextCursor cursor = editor.textCursor();
    cursor.insertText(QStringLiteral("\n") + kAbbreviation);
    editor.setTextCursor(cursor);
}

void undoTwice(QPlainTextEdit& editor) {
    editor.undo();
    editor.undo();
    settle();
}

void expandAbbreviation(benchmark::State& state) {
    SizedPair& pair = pairFor(state.range(0));
    EditorBox& editor = *pair.ours.doc()->editor();
    QAction* expand = pair.ours.doc()->action(Command::EditExpandAbbreviation);
    qint64 longest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        putAbbreviation(editor);
        settle();
        state.ResumeTiming();
        QElapsedTimer blocked;
        blocked.start();
        expand->trigger();
        settle();
        longest = std::max(longest, blocked.nsecsElapsed());
        state.PauseTiming();
        undoTwice(editor);
        state.ResumeTiming();
    }
    state.counters["longest_ms"] = double(longest) / 1e6;
}

// The floor: the expansion's text typed into a bare editor as one insert.
void insertMarkup(benchmark::State& state) {
    SizedPair& pair = pairFor(state.range(0));
    QPlainTextEdit& editor = pair.bare.editor();
    const QString text = writeMarkup(::expandAbbreviation(kAbbreviation).nodes, {});
    for (auto _ : state) {
        state.PauseTiming();
        putAbbreviation(editor);
        settle();
        state.ResumeTiming();
        QTextCursor cursor = editor.textCursor();
        cursor.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(text);
        editor.setTextCursor(cursor);
        settle();
        state.PauseTiming();
        undoTwice(editor);
        state.ResumeTiming();
    }
}

// The expansion on its own: parse and write, without the editor.
void expandOnly(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(writeMarkup(::expandAbbreviation(kAbbreviation).nodes, {}));
}

void sizes(benchmark::internal::Benchmark* bench) {
    bench->Arg(1000)->Arg(20000000)->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(expandAbbreviation)->Name("expandAbbreviation/Pagelark")->Apply(sizes);
BENCHMARK(insertMarkup)->Name("expandAbbreviation/Bare")->Apply(sizes);
BENCHMARK(expandOnly)->Unit(benchmark::kMicrosecond);
