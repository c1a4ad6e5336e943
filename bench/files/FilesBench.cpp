// Opening (read, decode, load) and saving (encode, atomic write) through the program's file
// commands, against reading into and writing from a bare editor.
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "files/DocumentFiles.h"
#include "support/BenchFrame.h"
#include "support/BenchText.h"

#include <benchmark/benchmark.h>
#include <QFile>
#include <QSaveFile>

namespace {

void openFile(benchmark::State& state, bool ours) {
    SizedPair& pair = pairFor(state.range(0));
    const QString path = pair.ours.htmlFile(state.range(0));
    for (auto _ : state) {
        if (ours) {
            DocumentWindow* doc = pair.ours.program().files().openDocumentFile(path);
            settle();
            state.PauseTiming();
            doc->closeDocument();
            settle();
            state.ResumeTiming();
        } else {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            pair.bare.load(file.readAll());
        }
    }
}

void saveFile(benchmark::State& state, bool ours) {
    SizedPair& pair = pairFor(state.range(0));
    const QString path = pair.ours.path(QStringLiteral("saved.html"));
    for (auto _ : state) {
        if (ours) {
            pair.ours.program().files().saveDocumentAs(*pair.ours.doc(), path);
        } else {
            QSaveFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write(pair.bare.editor().toPlainText().toUtf8());
            file.commit();
        }
    }
}

void sizes(benchmark::internal::Benchmark* bench) {
    bench->Arg(1000)->Arg(1000000)->Arg(20000000)->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK_CAPTURE(openFile, Pagelark, true)->Apply(sizes);
BENCHMARK_CAPTURE(openFile, Bare, false)->Apply(sizes);
BENCHMARK_CAPTURE(saveFile, Pagelark, true)->Apply(sizes);
BENCHMARK_CAPTURE(saveFile, Bare, false)->Apply(sizes);
