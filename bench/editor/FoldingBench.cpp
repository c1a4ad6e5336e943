// Painting a folded page: a page down through 20 MB with every table folded, and the repaint of
// a screen whose middle line folds away the longest fold there can be, each beside the same
// document unfolded. Folded lines must cost painting nothing: the rows should match.
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "editor/FoldedLines.h"
#include "support/BenchFrame.h"
#include "syntax/FoldFinder.h"
#include "syntax/HtmlFolding.h"

#include <benchmark/benchmark.h>
#include <QScrollBar>
#include <QTextBlock>

namespace {

constexpr qint64 kPageBytes = 20000000;

// Folds every table of the page; returns how many.
int foldTables(EditorBox& editor) {
    HtmlFolding& folding = HtmlFolding::of(editor);
    int count = 0;
    for (QTextBlock block = editor.document()->firstBlock(); block.isValid();
         block = FoldedLines::nextShown(block)) {
        if (block.text().startsWith(QLatin1String("<table")) &&
            folding.fold(block).startsWith(QLatin1String("Folded")))
            ++count;
    }
    return count;
}

// As the page-down row of the colouring benchmarks, with or without the tables folded.
void scrollFolded(benchmark::State& state, bool folded) {
    SizedPair& pair = pairFor(kPageBytes);
    EditorBox& editor = *pair.ours.doc()->editor();
    if (folded)
        state.counters["folds"] = foldTables(editor);
    settle();
    const int page = editor.viewport()->height() / editor.fontMetrics().lineSpacing();
    for (auto _ : state) {
        editor.verticalScrollBar()->setValue(int(state.iterations()) * page);
        editor.viewport()->repaint();
    }
    HtmlFolding::of(editor).unfoldAll();
    editor.verticalScrollBar()->setValue(0);
    settle();
}

// A screen in the middle of the page whose middle line is folded over the most lines a fold may
// take, repainted; with colouring and line numbers, or (`plain`) without.
void paintOverFold(benchmark::State& state, bool folded, bool plain) {
    SizedPair& pair = pairFor(kPageBytes);
    if (plain)
        pair.ours.setEditorAids(false, false);
    EditorBox& editor = *pair.ours.doc()->editor();
    const QTextBlock middle = editor.document()->findBlockByNumber(editor.blockCount() / 2);
    QTextCursor caret(middle);
    editor.setTextCursor(caret);
    editor.centerCursor();
    if (folded) {
        const QTextBlock last =
            editor.document()->findBlockByNumber(middle.blockNumber() + FoldFinder::kMaxLines);
        HtmlFolding::of(editor).foldLines(middle, last);
    }
    settle();
    for (auto _ : state)
        editor.viewport()->repaint();
    HtmlFolding::of(editor).unfoldAll();
    if (plain)
        pair.ours.setEditorAids(true, true);
    settle();
}

}  // namespace

BENCHMARK_CAPTURE(scrollFolded, Folded, true)->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(scrollFolded, Unfolded, false)->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(paintOverFold, Folded, true, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(paintOverFold, Unfolded, false, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(paintOverFold, FoldedPlain, true, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(paintOverFold, UnfoldedPlain, false, true)->Unit(benchmark::kMicrosecond);
