#pragma once

#include "editor/ColoredLinePainter.h"
#include "editor/SyntaxKind.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <array>
#include <optional>

class EditorBox;
class QTextDocument;

// Colours the HTML in an editor as the user types, without ever walking the whole text at once.
//
// Every line's lexer state at its end is kept with the line (as the block's user data, which
// therefore belongs to this class; block user states belong to DocumentText and are left
// alone). An edit re-lexes from its first line until a line ends in the state it ended in
// before; a new text is lexed from the top. Both run for a few milliseconds at once and go on
// in slices of idle time, so a long text never holds up typing or its first screen.
//
// A line's colours are worked out as the editor paints it, from its text and the state it starts
// in; they are never part of the text or its layout. So memory and time follow what the user
// looks at, not the length of the file, and a key lays out and redraws no more than it does
// without colouring.
class SyntaxColoring : public QObject, public LineColors {
    Q_OBJECT
public:
    // Starts colouring the editor's text: what is shown at once, the rest when idle. The
    // colouring belongs to the editor's document and goes with it.
    explicit SyntaxColoring(EditorBox& editor);
    // Takes every colour off the text again (deleting it is how colouring is switched off).
    ~SyntaxColoring() override;

    // Whether a file of this name is coloured: text and batch files are not.
    static bool appliesTo(const QString& fileName);

    // True once every line's state is known and nothing waits for idle time.
    bool isComplete() const { return m_pending.isEmpty(); }
    // The lexer's state at the start of `block` (see HtmlLexer), once the lines above it have
    // been lexed as they stand now; nothing while that still waits for idle time.
    std::optional<int> settledStartState(const QTextBlock& block) const;

    const QList<SyntaxSpan>* spansOf(const QTextBlock& block) override;
    const SyntaxPalette& palette() const override { return m_palette; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Lines from `start` on wait to be lexed; those up to `forceEnd` are lexed whatever their
    // old state, since their text changed. Both cursors follow later edits.
    struct Pending {
        QTextCursor start;
        QTextCursor forceEnd;
    };
    // Block numbers that may be on screen.
    struct ShownRange {
        int first = 0;
        int last = -1;
        bool contains(int number) const { return number >= first && number <= last; }
    };

    // One run of lexing: at once after an edit, or a slice of idle time.
    struct Pass {
        ShownRange shown;
        QElapsedTimer clock;
        int budgetMs = 0;
        bool duringEdit = false;
        bool repaint = false;  // set when shown lines change colour
    };

    void onContentsChange(int from, int charsRemoved, int charsAdded);
    void schedule(int from, int forceEnd);
    void runPending(int budgetMs, bool duringEdit);
    // Lexes from the first pending place on; returns the first block not done when the time ran
    // out, or an invalid block when the work is done.
    QTextBlock relexPending(Pass& pass);
    void absorbPendingWithin(const QTextBlock& block, Pending& work);

    ShownRange shownRange() const;
    int lexBlock(const QTextBlock& block, int state, bool withSpans);
    void makeRanges();
    void updatePalette();
    void removeColors();

    QPointer<EditorBox> m_editor;
    QPointer<QTextDocument> m_document;
    SyntaxPalette m_palette;
    QList<Pending> m_pending;
    QTimer m_idle;
    // The colours of the last long line painted, and what they were made from.
    struct KeptLine {
        int startState = -1;
        QString text;
        QList<SyntaxSpan> ranges;
    };

    QString m_line;  // the text of the last line lexed
    QList<SyntaxSpan> m_spans;
    QList<SyntaxSpan> m_ranges;
    KeptLine m_longLine;
};
