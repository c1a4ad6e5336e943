// Help with typing tags: what completion and closing tags add to a key, against the program
// with both switched off; the time from a key to the shown list; the matching-tag search per
// caret move.
#include "completion/DocumentMarkupText.h"
#include "completion/MatchingTagHighlight.h"
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "html/AutoClose.h"
#include "html/CompletionContext.h"
#include "html/CompletionList.h"
#include "html/HtmlData.h"
#include "support/BenchFrame.h"

#include <benchmark/benchmark.h>
#include <QFile>
#include <QListView>

namespace {

// The program with the two switches as given for as long as it lives.
class TypingAidsSwitched {
public:
    TypingAidsSwitched(BenchFrame& frame, bool on) : m_frame(frame) { frame.setTypingAids(on, on); }
    ~TypingAidsSwitched() { m_frame.setTypingAids(true, true); }

private:
    BenchFrame& m_frame;
};

enum class Side { Before, After };

// The editor with its caret in the middle of the text, or before or after the first `near` from
// there (from the top when there is none below).
EditorBox& editorAt(SizedPair& pair, const QString& near = {}, Side side = Side::Before) {
    EditorBox& editor = *pair.ours.doc()->editor();
    caretToMiddle(editor);
    if (!near.isEmpty()) {
        QTextCursor found = editor.document()->find(near, editor.textCursor());
        if (found.isNull())
            found = editor.document()->find(near, 0);
        found.setPosition(side == Side::Before ? found.selectionStart() : found.selectionEnd());
        editor.setTextCursor(found);
    }
    settle();
    return editor;
}

// A key in text between tags: nothing to offer, nothing to close.
void typingAids(benchmark::State& state, bool on) {
    SizedPair& pair = pairFor(state.range(0));
    TypingAidsSwitched switched(pair.ours, on);
    EditorBox& editor = editorAt(pair);
    for (auto _ : state)
        typeAndErase(&editor);
}

// A key in a start tag's attributes: the list refilters on both keys.
void typingInTag(benchmark::State& state, bool on) {
    SizedPair& pair = pairFor(state.range(0));
    TypingAidsSwitched switched(pair.ours, on);
    EditorBox& editor = editorAt(pair, QStringLiteral("<table "), Side::After);
    for (auto _ : state)
        typeAndErase(&editor);
}

// A key just after a start tag whose tags are marked, as they are whenever the caret rests for a
// moment (a person's keys are further apart than that), against the same key unmarked.
void typingMarked(benchmark::State& state, bool marked) {
    SizedPair& pair = pairFor(state.range(0));
    EditorBox& editor = editorAt(pair, QStringLiteral("<td>"), Side::After);
    auto* highlight = editor.findChild<MatchingTagHighlight*>();
    if (marked)
        highlight->refresh();
    else
        highlight->clear();
    for (auto _ : state)
        typeAndErase(&editor);
    highlight->clear();
}

// What the aids work out for a typed key, alone (what the switches add to a key, less the list's
// drawing): the completion context with its names, and whether a tag is to be closed.
void aidsWorkPerKey(benchmark::State& state, const QString& near) {
    SizedPair& pair = pairFor(state.range(0));
    EditorBox& editor = editorAt(pair, near, Side::After);
    const DocumentMarkupText text(*editor.document());
    const int caret = editor.textCursor().position();
    for (auto _ : state) {
        benchmark::DoNotOptimize(completionsFor(completionContextAt(text, caret)));
        benchmark::DoNotOptimize(autoCloseAfterTyping(text, caret));
    }
}

// "<" typed, then the timed "d" until the list shows and is painted.
void keyToShownList(benchmark::State& state) {
    SizedPair& pair = pairFor(state.range(0));
    EditorBox& editor = editorAt(pair, QStringLiteral("</p>"));
    for (auto _ : state) {
        state.PauseTiming();
        sendKey(&editor, QEvent::KeyPress, Qt::Key_Less, QStringLiteral("<"));
        settle();
        state.ResumeTiming();
        sendKey(&editor, QEvent::KeyPress, Qt::Key_D, QStringLiteral("d"));
        settle();
        state.PauseTiming();
        auto* list = editor.findChild<QListView*>(QStringLiteral("tag_completion_list"));
        if (!list || !list->isVisible())
            state.SkipWithError("no list shown");
        sendKey(&editor, QEvent::KeyPress, Qt::Key_Escape, QString());
        editor.undo();
        settle();
        state.ResumeTiming();
    }
}

// The caret moved within a tag and the marks set again: a paragraph's start tag, whose end tag
// lies a few hundred characters on, and the page's <body>, whose end tag lies beyond the search's
// reach.
void matchingTag(benchmark::State& state, const QString& tag) {
    SizedPair& pair = pairFor(20000000);
    EditorBox& editor = editorAt(pair, tag);
    auto* highlight = editor.document()->findChild<MatchingTagHighlight*>();
    const int start = editor.textCursor().position();
    const int other = start + 1;
    for (auto _ : state) {
        QTextCursor caret = editor.textCursor();
        caret.setPosition(state.iterations() % 2 ? other : start);
        editor.setTextCursor(caret);
        highlight->refresh();
    }
}

// What the first use of the HTML data costs once: reading and parsing the embedded file.
void parseHtmlData(benchmark::State& state) {
    HtmlData::builtIn();  // makes sure the resource is registered
    QFile file(QStringLiteral(":/html-data/html5-elements.txt"));
    if (!file.open(QIODevice::ReadOnly))
        state.SkipWithError("no data");
    const QByteArray bytes = file.readAll();
    for (auto _ : state)
        benchmark::DoNotOptimize(HtmlData::parse(QString::fromUtf8(bytes)));
}

void sizes(benchmark::internal::Benchmark* bench) {
    bench->Arg(1000)->Arg(20000000)->Unit(benchmark::kMicrosecond);
}

}  // namespace

BENCHMARK_CAPTURE(typingAids, On, true)->Apply(sizes);
BENCHMARK_CAPTURE(typingAids, Off, false)->Apply(sizes);
BENCHMARK_CAPTURE(typingInTag, On, true)->Apply(sizes);
BENCHMARK_CAPTURE(typingInTag, Off, false)->Apply(sizes);
// A fixed count: what is not timed (undo, painting) costs more than what is.
BENCHMARK_CAPTURE(typingMarked, Marked, true)->Apply(sizes);
BENCHMARK_CAPTURE(typingMarked, Unmarked, false)->Apply(sizes);
BENCHMARK_CAPTURE(aidsWorkPerKey, inText, QString())->Apply(sizes);
BENCHMARK_CAPTURE(aidsWorkPerKey, inTag, QStringLiteral("<table "))->Apply(sizes);
BENCHMARK(keyToShownList)->Apply(sizes)->Iterations(100);
BENCHMARK(parseHtmlData)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(matchingTag, paragraph, QStringLiteral("<p class"))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(matchingTag, beyondReach, QStringLiteral("<body>"))
    ->Unit(benchmark::kMicrosecond);
