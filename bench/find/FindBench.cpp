// Find Next over the whole document for a match near its end, down and up, with and without
// Match Case, against QString::indexOf / lastIndexOf over the same text already in memory.
#include "app/MainFrame.h"
#include "app/Program.h"
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "find/DocumentSearch.h"
#include "find/FindEngine.h"
#include "support/BenchFrame.h"

#include <benchmark/benchmark.h>
#include <QTextDocument>

namespace {

const QString kNeedle = QStringLiteral("Lark-Marker");

// Puts one match at 95% of the document, once per size.
EditorBox& preparedEditor(SizedPair& pair) {
    EditorBox& editor = *pair.ours.doc()->editor();
    if (!editor.document()->find(kNeedle).isNull())
        return editor;
    QTextCursor cursor(editor.document());
    cursor.setPosition(editor.document()->characterCount() * 95 / 100);
    cursor.insertText(kNeedle);
    pair.ours.doc()->setChanged(false);
    return editor;
}

void findNext(benchmark::State& state, bool down, bool matchCase) {
    SizedPair& pair = pairFor(state.range(0));
    EditorBox& editor = preparedEditor(pair);
    for (auto _ : state) {
        QTextCursor cursor = editor.textCursor();
        cursor.movePosition(down ? QTextCursor::Start : QTextCursor::End);
        editor.setTextCursor(cursor);
        pair.ours.state().search() = FindState{matchCase ? kNeedle : kNeedle.toLower(),
                                               matchCase ? 1 : 0, down ? 1 : 0, 0, true};
        pair.ours.program().search().findNextMatch();
    }
    if (editor.textCursor().selectedText().compare(kNeedle, Qt::CaseInsensitive) != 0)
        state.SkipWithError("the match was not selected");
}

void findFloor(benchmark::State& state, bool down, bool matchCase) {
    SizedPair& pair = pairFor(state.range(0));
    const QString text = preparedEditor(pair).document()->toRawText();
    const QString needle = matchCase ? kNeedle : kNeedle.toLower();
    const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (auto _ : state) {
        const qsizetype at = down ? text.indexOf(needle, 0, cs) : text.lastIndexOf(needle, -1, cs);
        benchmark::DoNotOptimize(at);
    }
}

// The first search after an edit also reads the text out of the editor once.
void findAfterEdit(benchmark::State& state) {
    SizedPair& pair = pairFor(state.range(0));
    EditorBox& editor = preparedEditor(pair);
    for (auto _ : state) {
        state.PauseTiming();
        QTextCursor cursor = editor.textCursor();
        cursor.movePosition(QTextCursor::Start);
        cursor.insertText(QStringLiteral("x"));
        cursor.deletePreviousChar();
        editor.setTextCursor(cursor);
        pair.ours.state().search() = FindState{kNeedle, 1, 1, 0, true};
        state.ResumeTiming();
        pair.ours.program().search().findNextMatch();
    }
}

void sizes(benchmark::internal::Benchmark* bench) {
    bench->Arg(1000)->Arg(1000000)->Arg(20000000)->Unit(benchmark::kMicrosecond);
}

}  // namespace

// Registered by name so that each search pairs with its floor: "findDown/Pagelark/<size>" with
// "findDown/Bare/<size>".
const bool kRegistered = [] {
    struct Variant {
        const char* name;
        bool down;
        bool matchCase;
    };
    for (const Variant& v :
         {Variant{"findDown", true, false}, Variant{"findDownMatchCase", true, true},
          Variant{"findUp", false, false}, Variant{"findUpMatchCase", false, true}}) {
        const std::string name = v.name;
        benchmark::RegisterBenchmark((name + "/Pagelark").c_str(), findNext, v.down, v.matchCase)
            ->Apply(sizes);
        benchmark::RegisterBenchmark((name + "/Bare").c_str(), findFloor, v.down, v.matchCase)
            ->Apply(sizes);
    }
    return true;
}();

BENCHMARK(findAfterEdit)->Apply(sizes)->Unit(benchmark::kMillisecond);
