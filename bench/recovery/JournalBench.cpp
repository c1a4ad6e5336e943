// The recovery journal's costs on the program's own editor: taking a document's changes on the
// user-interface thread (against a plain copy of the whole text, which is what a journal without
// an edit recorder would take), and the work its own thread does for each write.
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "recovery/EditRecorder.h"
#include "recovery/JournalEntry.h"
#include "recovery/JournalStore.h"
#include "recovery/JournalText.h"
#include "recovery/TextReplica.h"
#include "support/BenchFrame.h"

#include <benchmark/benchmark.h>
#include <QTemporaryDir>
#include <QTextCursor>

namespace {

QTextDocument& documentOf(benchmark::State& state) {
    return *pairFor(state.range(0)).ours.doc()->editor()->document();
}

// The document's text as the file it came from would hold it. Other benchmarks may have left
// their marks in the shared document, so this is not always the generated page.
QByteArray fileBytes(const QTextDocument& document) {
    return document.toPlainText().toUtf8();
}

// A keystroke in the middle of the text, or taking it back; the text is as it was after every
// second call.
void typeOrErase(QTextDocument& document, bool type) {
    QTextCursor cursor(&document);
    cursor.setPosition((document.characterCount() - (type ? 0 : 1)) / 2);
    if (type)
        cursor.insertText(QStringLiteral("a"));
    else
        cursor.deleteChar();
}

// The changes of one keystroke, on the user-interface thread.
void journalSnapshot(benchmark::State& state, bool ours) {
    QTextDocument& document = documentOf(state);
    EditRecorder recorder(document, fileBytes(document), TextFormat{});
    recorder.take();
    bool type = true;
    for (auto _ : state) {
        state.PauseTiming();
        typeOrErase(document, type);
        type = !type;
        state.ResumeTiming();
        if (ours)
            benchmark::DoNotOptimize(recorder.take());
        else
            benchmark::DoNotOptimize(document.toRawText());
    }
    if (!type)
        typeOrErase(document, false);
}

// The whole text, which the journal takes on the user-interface thread only for a document it
// was not given the file bytes of, or after an edit that replaced most of the text.
void journalFirstSnapshotWithoutBytes(benchmark::State& state) {
    QTextDocument& document = documentOf(state);
    for (auto _ : state) {
        EditRecorder recorder(document);
        benchmark::DoNotOptimize(recorder.take());
    }
}

// The journal thread's work for one keystroke: catch the copy up, encode it, write the entry.
void journalWrite(benchmark::State& state) {
    QTextDocument& document = documentOf(state);
    QTemporaryDir dir;
    JournalStore store(dir.path());
    EditRecorder recorder(document, fileBytes(document), TextFormat{});
    TextReplica replica;
    replica.apply(recorder.take());
    JournalEntry entry{QStringLiteral("/site/bench.html"),
                       QStringLiteral("bench.html"),
                       {},
                       QDateTime::currentDateTime(),
                       {}};
    bool type = true;
    for (auto _ : state) {
        state.PauseTiming();
        typeOrErase(document, type);
        type = !type;
        const TextChanges changes = recorder.take();
        state.ResumeTiming();
        if (!replica.apply(changes)) {
            state.SkipWithError("the copy lost track");
            break;
        }
        entry.bytes = replica.encode(entry.format, nullptr).value();
        store.write(QStringLiteral("document-1"), entry, nullptr);
    }
    if (!type)
        typeOrErase(document, false);
}

// The journal thread's first write of a document: its copy built from the file bytes.
void journalFirstWrite(benchmark::State& state) {
    QTemporaryDir dir;
    JournalStore store(dir.path());
    EditRecorder recorder(documentOf(state), fileBytes(documentOf(state)), TextFormat{});
    const TextChanges changes = recorder.take();
    JournalEntry entry;
    for (auto _ : state) {
        TextReplica replica;
        if (!replica.apply(changes)) {
            state.SkipWithError("the copy does not match the document");
            break;
        }
        entry.bytes = replica.encode(entry.format, nullptr).value();
        store.write(QStringLiteral("document-1"), entry, nullptr);
    }
}

// The memory the journal's copy of a changed 20 MB document holds: the file's bytes, which it
// keeps, and what the edits put in.
void journalCopyMemory(benchmark::State& state) {
    QTextDocument& document = documentOf(state);
    for (auto _ : state) {
        EditRecorder recorder(document, fileBytes(document), TextFormat{});
        typeOrErase(document, true);
        TextReplica replica;
        replica.apply(recorder.take());
        state.counters["held_MB"] = double(replica.heldBytes()) / 1e6;
        typeOrErase(document, false);
    }
}

void sizes(benchmark::internal::Benchmark* bench) {
    bench->Arg(1000)->Arg(1000000)->Arg(20000000)->Unit(benchmark::kMillisecond);
}

// Rows that pause the clock for a keystroke run a fixed number of times: timed by what they
// measure alone, they would run until the keystrokes had taken minutes.
void keystrokeSizes(benchmark::internal::Benchmark* bench) {
    sizes(bench);
    bench->Iterations(200);
}

}  // namespace

BENCHMARK_CAPTURE(journalSnapshot, Pagelark, true)->Apply(keystrokeSizes);
BENCHMARK_CAPTURE(journalSnapshot, Bare, false)->Apply(keystrokeSizes);
BENCHMARK(journalFirstSnapshotWithoutBytes)->Apply(sizes);
BENCHMARK(journalWrite)->Apply(sizes)->Iterations(10);
BENCHMARK(journalFirstWrite)->Apply(sizes);
BENCHMARK(journalCopyMemory)->Arg(20000000)->Iterations(1)->Unit(benchmark::kMillisecond);
