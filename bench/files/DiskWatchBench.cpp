// The watch over the open documents' files, with fifty pages open from files: a look at every
// file (what coming back to the program costs), and one file changed by another program among
// them, from the look to the page read again.
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "files/DiskWatch.h"
#include "files/DocumentFiles.h"
#include "support/BenchFrame.h"
#include "support/BenchText.h"

#include <benchmark/benchmark.h>
#include <QFile>
#include <QTextDocument>

namespace {

constexpr int kDocuments = 50;

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// A frame with fifty pages of 1 KB open, each from its own file.
struct FiftyOpen {
    BenchFrame frame;
    QList<DocumentWindow*> docs;
    QStringList paths;

    FiftyOpen() {
        for (int i = 0; i < kDocuments; ++i) {
            paths << frame.path(QStringLiteral("watched-%1.html").arg(i));
            writeFile(paths.last(), benchHtml(1000));
            docs << frame.program().files().openDocumentFile(paths.last());
        }
        settle();
    }
    DiskWatch& watch() { return frame.program().diskWatch(); }
};

void diskLookAtFifty(benchmark::State& state) {
    FiftyOpen open;
    for (auto _ : state) {
        open.watch().checkAllSoon();
        open.watch().checkPending();
    }
}

void diskChangeAmongFifty(benchmark::State& state) {
    FiftyOpen open;
    DocumentWindow* doc = open.docs.at(kDocuments / 2);
    const QByteArray versions[] = {benchHtml(1000), benchHtml(1100)};
    int turn = 0;  // State::iterations() stays put inside the loop
    for (auto _ : state) {
        state.PauseTiming();
        const QByteArray& next = versions[++turn % 2];
        writeFile(open.paths.at(kDocuments / 2), next);
        const int before = doc->editor()->document()->characterCount();
        state.ResumeTiming();
        open.watch().checkAllSoon();
        open.watch().checkPending();
        while (doc->editor()->document()->characterCount() == before)
            settle();
    }
}

}  // namespace

BENCHMARK(diskLookAtFifty)->Unit(benchmark::kMicrosecond);
BENCHMARK(diskChangeAmongFifty)->Unit(benchmark::kMicrosecond);
