#include "syntax/SyntaxColoring.h"

#include "editor/EditorBox.h"
#include "syntax/HtmlLexer.h"
#include "syntax/SyntaxColors.h"

#include <QEvent>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// Milliseconds of lexing at once after an edit, and in one slice of idle time.
constexpr int kEditBudgetMs = 4;
constexpr int kSliceBudgetMs = 8;
// Lines longer than this keep their colours between paints.
constexpr int kLongLine = 4096;
// How many blocks are lexed between two looks at the clock.
constexpr int kClockStride = 32;

// The lexer's state at the end of each line is kept as the line's user state, an int every
// block has anyway (an object per line would cost an allocation and about 40 bytes more each);
// Qt's default, -1, stands for a line not lexed yet.
constexpr int kUnknown = -1;

int knownEndState(const QTextBlock& block) {
    return block.userState();
}

// The state a block starts in: the one its previous block ended in. Where that is not known yet,
// the start of a document is the best guess; the idle pass corrects it.
int startStateOf(const QTextBlock& block) {
    const QTextBlock previous = block.previous();
    if (!previous.isValid())
        return HtmlLexer::kInitialState;
    const int state = knownEndState(previous);
    return state == kUnknown ? HtmlLexer::kInitialState : state;
}

}  // namespace

SyntaxColoring::SyntaxColoring(EditorBox& editor)
    : QObject(editor.document()), m_editor(&editor), m_document(editor.document()) {
    updatePalette();
    m_idle.setSingleShot(true);
    m_idle.setInterval(0);
    connect(&m_idle, &QTimer::timeout, this, [this] { runPending(kSliceBudgetMs, false); });
    connect(m_document, &QTextDocument::contentsChange, this, &SyntaxColoring::onContentsChange);
    editor.installEventFilter(this);
    schedule(0, m_document->characterCount());
    runPending(kEditBudgetMs, false);
    editor.setLineColors(this);
}

SyntaxColoring::~SyntaxColoring() {
    // Made a child of the document, so that when the editor goes its document has gone first
    // (taking the lines' data along) and nothing here touches either.
    if (m_document && m_editor)
        removeColors();
}

bool SyntaxColoring::appliesTo(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix();
    return suffix.compare(QLatin1String("txt"), Qt::CaseInsensitive) != 0 &&
           suffix.compare(QLatin1String("bat"), Qt::CaseInsensitive) != 0;
}

bool SyntaxColoring::eventFilter(QObject* watched, QEvent* event) {
    // The type first: the editor still sends events (focus) from ~QWidget, when it is no longer
    // an EditorBox and QPointer's cast for the comparison would be undefined.
    if (event->type() == QEvent::PaletteChange && watched == m_editor)
        updatePalette();
    return QObject::eventFilter(watched, event);
}

std::optional<int> SyntaxColoring::settledStartState(const QTextBlock& block) const {
    // The pending places are kept in the order of the text: lines before the first are settled.
    if (!m_pending.isEmpty() && m_pending.first().start.position() <= block.position())
        return std::nullopt;
    const QTextBlock previous = block.previous();
    if (!previous.isValid())
        return HtmlLexer::kInitialState;
    const int state = knownEndState(previous);
    return state == kUnknown ? std::nullopt : std::optional<int>(state);
}

void SyntaxColoring::onContentsChange(int from, int, int charsAdded) {
    schedule(m_document->findBlock(from).position(), from + charsAdded);
    runPending(kEditBudgetMs, true);
}

void SyntaxColoring::schedule(int from, int forceEnd) {
    Pending work{QTextCursor(m_document), QTextCursor(m_document)};
    work.start.setPosition(from);
    // Text typed right at the start of the pending lines is lexed with them.
    work.start.setKeepPositionOnInsert(true);
    work.forceEnd.setPosition(qMin(forceEnd, m_document->characterCount() - 1));
    // Kept in the order of the text, so that one pass takes in every later place it reaches.
    qsizetype at = 0;
    while (at < m_pending.size() && m_pending[at].start.position() <= from)
        ++at;
    m_pending.insert(at, work);
}

void SyntaxColoring::runPending(int budgetMs, bool duringEdit) {
    Pass pass{shownRange(), {}, budgetMs, duringEdit};
    pass.clock.start();
    while (!m_pending.isEmpty()) {
        const QTextBlock left = relexPending(pass);
        if (left.isValid()) {
            m_pending.first().start.setPosition(left.position());
            break;
        }
        m_pending.removeFirst();
    }
    if (pass.repaint)
        m_editor->viewport()->update();
    if (!m_pending.isEmpty())
        m_idle.start();
}

QTextBlock SyntaxColoring::relexPending(Pass& pass) {
    Pending& work = m_pending.first();
    QTextBlock block = m_document->findBlock(work.start.position());
    int number = block.blockNumber();
    int state = startStateOf(block);
    bool startChanged = true;  // the first line may have been shown before its start was known
    for (int done = 0; block.isValid(); block = block.next(), ++number, ++done) {
        if (done % kClockStride == kClockStride - 1 && pass.clock.hasExpired(pass.budgetMs))
            return block;
        absorbPendingWithin(block, work);
        const bool edited = block.position() <= work.forceEnd.position();
        // The editor redraws the lines an edit changed; a shown line that now starts in another
        // state changes colour.
        if (startChanged && pass.shown.contains(number) && !(pass.duringEdit && edited))
            pass.repaint = true;
        const int before = knownEndState(block);
        state = lexBlock(block, state, false);
        block.setUserState(state);
        startChanged = before != state;
        if (!edited && !startChanged)
            return QTextBlock();  // the lines below start as they did before
    }
    return QTextBlock();
}

// Another pending place inside or right after this block is taken into the current pass.
void SyntaxColoring::absorbPendingWithin(const QTextBlock& block, Pending& work) {
    const int blockEnd = block.position() + block.length();
    while (m_pending.size() > 1 && m_pending[1].start.position() <= blockEnd) {
        if (m_pending[1].forceEnd.position() > work.forceEnd.position())
            work.forceEnd.setPosition(m_pending[1].forceEnd.position());
        m_pending.removeAt(1);
    }
}

SyntaxColoring::ShownRange SyntaxColoring::shownRange() const {
    const int first = m_editor->firstShownBlock().blockNumber();
    // No line is lower than the font's line spacing, so no more blocks than this fit.
    const int lineHeight = qMax(1, m_editor->fontMetrics().lineSpacing());
    return {first, first + m_editor->viewport()->height() / lineHeight + 1};
}

int SyntaxColoring::lexBlock(const QTextBlock& block, int state, bool withSpans) {
    m_spans.clear();
    m_line = block.text();
    return HtmlLexer::lexLine(m_line, state, withSpans ? &m_spans : nullptr);
}

// Every coloured stretch costs the layout a run of its own to shape and draw. Blanks show no
// colour, so the ones between two stretches (or before the first) join the stretch beside them,
// and so does the "=" between an attribute's name and its value.
void SyntaxColoring::makeRanges() {
    m_ranges.clear();
    const auto joins = [this](qsizetype from, qsizetype to, bool equals) {
        for (qsizetype i = from; i < to; ++i) {
            const QChar ch = m_line[i];
            if (ch != u' ' && ch != u'\t' && !(equals && ch == u'='))
                return false;
        }
        return true;
    };
    for (qsizetype i = 0; i < m_spans.size(); ++i) {
        const SyntaxSpan& span = m_spans[i];
        int start = span.start;
        int end = span.start + span.length;
        if (i == 0 && joins(0, start, false))
            start = 0;
        if (i + 1 < m_spans.size() &&
            joins(end, m_spans[i + 1].start, span.kind == SyntaxKind::AttributeName))
            end = m_spans[i + 1].start;
        m_ranges.append({start, end - start, span.kind});
    }
}

const QList<SyntaxSpan>* SyntaxColoring::spansOf(const QTextBlock& block) {
    // Lexing a line costs far less than drawing the part of it on screen, so shown lines keep no
    // colours of their own; but a long line (minified markup) would be lexed whole each time the
    // caret blinks in it or the view scrolls through it, so the last long one keeps its colours.
    const int start = startStateOf(block);
    if (block.length() <= kLongLine) {
        lexBlock(block, start, true);
        makeRanges();
        return &m_ranges;
    }
    // Comparing the text costs a fraction of lexing it.
    const QString text = block.text();
    if (m_longLine.startState != start || m_longLine.text != text) {
        lexBlock(block, start, true);
        makeRanges();
        m_longLine = {start, m_line, m_ranges};
    }
    return &m_longLine.ranges;
}

void SyntaxColoring::updatePalette() {
    m_palette = SyntaxColors::forBackground(m_editor->palette().color(QPalette::Base));
    m_editor->viewport()->update();
}

void SyntaxColoring::removeColors() {
    m_editor->setLineColors(nullptr);
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next())
        block.setUserState(kUnknown);
}
