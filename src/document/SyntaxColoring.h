#pragma once

#include "document/SyntaxKind.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextLayout>
#include <QTimer>
#include <array>

class EditorBox;
class EditorTextLayout;
class QTextDocument;

// Colours the HTML in an editor as the user types, without ever walking the whole text at once.
//
// Every line's lexer state at its end is kept with the line (as the block's user data, which
// therefore belongs to this class; block user states belong to DocumentText and are left
// alone). An edit re-lexes from its first line until a line ends in the state it ended in
// before; a new text is lexed from the top. Both run for a few milliseconds at once and go on
// in slices of idle time, so a long text never holds up typing or its first screen.
//
// Colours are laid onto a line only when it is shown: just before the editor paints, each
// shown line whose colours were made for another start state, text or palette gets new ones.
// So memory and time follow what the user looks at, not the length of the file, and a key
// redraws no more than it does without colouring.
class SyntaxColoring : public QObject {
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
        bool repaint = false;  // set when shown lines need new colours
    };

    void onContentsChange(int from, int charsRemoved, int charsAdded);
    void schedule(int from, int forceEnd);
    void runPending(int budgetMs, bool duringEdit);
    // Lexes from the first pending place on; returns the first block not done when the time ran
    // out, or an invalid block when the work is done.
    QTextBlock relexPending(Pass& pass);
    void absorbPendingWithin(const QTextBlock& block, Pending& work);
    void colorEditedLine(QTextBlock block);
    void colorShownBlocks();
    void forgetShownColors(int from, int to);

    ShownRange shownRange() const;
    int lexBlock(const QTextBlock& block, int state, bool withSpans);
    void makeRanges();
    void applyColors(QTextBlock& block, int startState);
    void updateFormats();
    void removeColors();

    QPointer<EditorBox> m_editor;
    QPointer<QTextDocument> m_document;
    QPointer<EditorTextLayout> m_layout;
    std::array<QTextCharFormat, kSyntaxKindCount> m_formats;
    quint16 m_generation = 0;  // counts palettes: colours made with an older one are stale
    QList<Pending> m_pending;
    QTimer m_idle;
    QString m_line;  // the text of the last line lexed
    QList<SyntaxSpan> m_spans;
    QList<QTextLayout::FormatRange> m_ranges;
};
