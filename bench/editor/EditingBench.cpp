// Per-edit costs: the same edit through the program's document window and in a bare editor
// holding the same text.
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "support/BenchFrame.h"
#include "tags/TextEditBuffer.h"

#include <benchmark/benchmark.h>
#include <QAction>

namespace {

// What the table builder types for a table with a border, spacing and a caption.
const QString kTableScript = QStringLiteral(
    "<table border=\"1\" cellspacing=\"2\">~<caption align=+'top+'>Prices</caption>~~"
    "</table>{home}{up}{end}");

QPlainTextEdit& editorOf(benchmark::State& state, bool ours) {
    SizedPair& pair = pairFor(state.range(0));
    QPlainTextEdit& editor =
        ours ? static_cast<QPlainTextEdit&>(*pair.ours.doc()->editor()) : pair.bare.editor();
    caretToMiddle(editor);
    return editor;
}

void typing(benchmark::State& state, bool ours) {
    QPlainTextEdit& editor = editorOf(state, ours);
    for (auto _ : state)
        typeAndErase(&editor);
}

void tagScript(benchmark::State& state, bool ours) {
    SizedPair& pair = pairFor(state.range(0));
    QPlainTextEdit& editor = editorOf(state, ours);
    for (auto _ : state) {
        if (ours)
            pair.ours.program().documents().typeKeystrokeScript(kTableScript);
        else
            TextEditBuffer::typeScript(&editor, kTableScript);
        settle();
        state.PauseTiming();
        editor.undo();
        settle();
        state.ResumeTiming();
    }
}

// The report alone: the key release that writes it, without the key press or painting.
void sizeReport(benchmark::State& state, bool ours) {
    QPlainTextEdit& editor = editorOf(state, ours);
    for (auto _ : state)
        sendKey(&editor, QEvent::KeyRelease, Qt::Key_Right, QString());
}

// The report as the user meets it: a caret key pressed and released, and the screen updated.
void caretKey(benchmark::State& state, bool ours) {
    QPlainTextEdit& editor = editorOf(state, ours);
    for (auto _ : state) {
        const int key = state.iterations() % 2 ? Qt::Key_Left : Qt::Key_Right;
        sendKey(&editor, QEvent::KeyPress, key, QString());
        sendKey(&editor, QEvent::KeyRelease, key, QString());
        settle();
    }
}

void changeTracking(benchmark::State& state, bool ours) {
    QPlainTextEdit& editor = editorOf(state, ours);
    for (auto _ : state) {
        QTextCursor cursor = editor.textCursor();
        cursor.insertText(QStringLiteral("x"));
        cursor.deletePreviousChar();
    }
}

void selectAllThenWrap(benchmark::State& state, bool ours) {
    SizedPair& pair = pairFor(state.range(0));
    QPlainTextEdit& editor = editorOf(state, ours);
    for (auto _ : state) {
        if (ours) {
            DocumentWindow* doc = pair.ours.doc();
            doc->action(Command::EditSelectAll)->trigger();
            doc->action(Command::EditWrapText)->trigger();
            doc->action(Command::EditWrapText)->trigger();
        } else {
            editor.selectAll();
            editor.setLineWrapMode(QPlainTextEdit::NoWrap);
            editor.setLineWrapMode(QPlainTextEdit::WidgetWidth);
        }
        settle();
    }
    caretToMiddle(editor);
}

void sizes(benchmark::internal::Benchmark* bench) {
    bench->Arg(1000)->Arg(1000000)->Arg(20000000)->Unit(benchmark::kMicrosecond);
}

}  // namespace

BENCHMARK_CAPTURE(typing, Pagelark, true)->Apply(sizes);
BENCHMARK_CAPTURE(typing, Bare, false)->Apply(sizes);
BENCHMARK_CAPTURE(tagScript, Pagelark, true)->Apply(sizes);
BENCHMARK_CAPTURE(tagScript, Bare, false)->Apply(sizes);
BENCHMARK_CAPTURE(sizeReport, Pagelark, true)->Apply(sizes);
BENCHMARK_CAPTURE(sizeReport, Bare, false)->Apply(sizes);
BENCHMARK_CAPTURE(caretKey, Pagelark, true)->Apply(sizes);
BENCHMARK_CAPTURE(caretKey, Bare, false)->Apply(sizes);
BENCHMARK_CAPTURE(changeTracking, Pagelark, true)->Apply(sizes);
BENCHMARK_CAPTURE(changeTracking, Bare, false)->Apply(sizes);
BENCHMARK_CAPTURE(selectAllThenWrap, Pagelark, true)->Apply(sizes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(selectAllThenWrap, Bare, false)->Apply(sizes)->Unit(benchmark::kMillisecond);
