#include "editor/LineNumberGutter.h"

#include "editor/EditorAppearance.h"
#include "editor/EditorBox.h"
#include "editor/FoldedLines.h"
#include "editor/LineFolding.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTextBlock>
#include <QTextDocument>

namespace {

constexpr int kPadding = 4;  // pixels either side of the numbers
constexpr int kMarkPauseMs = 300;

int digitsOf(int count) {
    int digits = 1;
    for (; count >= 10; count /= 10)
        ++digits;
    return digits;
}

using EditorAppearance::blend;

}  // namespace

LineNumberGutter::LineNumberGutter(EditorBox& editor) : QWidget(&editor), m_editor(editor) {
    setObjectName(QStringLiteral("line_numbers"));
    // It fills every pixel it paints, so nothing beneath it (the editor's frame, the window's
    // title bar) is drawn again whenever a number is.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(editor.font());
    editor.installEventFilter(this);
    connect(&editor, &QPlainTextEdit::blockCountChanged, this, [this] {
        fitToEditor();
        update();  // the numbers below a new or removed line move
    });
    connect(&editor, &QPlainTextEdit::updateRequest, this, &LineNumberGutter::onUpdateRequest);
    connect(&editor, &QPlainTextEdit::cursorPositionChanged, this, &LineNumberGutter::onCaretMoved);
    m_caretBlock = editor.textCursor().blockNumber();
    m_markRefresh.setSingleShot(true);
    m_markRefresh.setInterval(kMarkPauseMs);
    connect(&m_markRefresh, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    connect(editor.document(), &QTextDocument::contentsChange, this, [this] {
        if (m_editor.lineFolding() && isVisible())
            m_markRefresh.start();
    });
    show();  // which makes room for the strip
}

void LineNumberGutter::setVisible(bool visible) {
    QWidget::setVisible(visible);
    fitToEditor();
}

QSize LineNumberGutter::sizeHint() const {
    return {neededWidth(), 0};
}

int LineNumberGutter::neededWidth() const {
    // Room for two digits at least, so that the strip does not widen at line 10.
    const int digits = qMax(2, digitsOf(m_editor.blockCount()));
    return 2 * kPadding + digits * fontMetrics().horizontalAdvance(QLatin1Char('9')) + markWidth();
}

int LineNumberGutter::markWidth() const {
    return m_editor.lineFolding() ? fontMetrics().height() : 0;
}

void LineNumberGutter::fitToEditor() {
    const int width = isHidden() ? 0 : neededWidth();
    if (width != m_margin) {
        m_margin = width;
        m_editor.setLeftMargin(width);
    }
    const QRect area = m_editor.contentsRect();
    setGeometry(area.left(), area.top(), width, area.height());
}

bool LineNumberGutter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_editor) {
        if (event->type() == QEvent::Resize) {
            fitToEditor();
        } else if (event->type() == QEvent::FontChange) {
            setFont(m_editor.font());
            fitToEditor();
        } else if (event->type() == QEvent::PaletteChange) {
            update();  // its colours come from the editor's
        }
    }
    return QWidget::eventFilter(watched, event);
}

void LineNumberGutter::onUpdateRequest(const QRect& rect, int dy) {
    // A change within one line (a key typed, the caret blinking) leaves every number where it
    // was; what moves them (scrolling, lines growing or shrinking) redraws the whole text area.
    if (dy != 0)
        scroll(0, dy);
    else if (rect.contains(m_editor.viewport()->rect()))
        update();
}

void LineNumberGutter::onCaretMoved() {
    const int block = m_editor.textCursor().blockNumber();
    if (block != m_caretBlock) {
        m_caretBlock = block;
        update();
    }
}

void LineNumberGutter::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QPalette& colors = m_editor.palette();
    painter.fillRect(event->rect(),
                     blend(colors.color(QPalette::Base), colors.color(QPalette::Text), 0.06));
    QTextBlock block = m_editor.firstShownBlock();
    // Only the blocks on screen: from the first shown one down to the bottom of the strip.
    for (; block.isValid(); block = FoldedLines::nextShown(block)) {
        const QRectF line = m_editor.shownRect(block);
        if (line.top() > event->rect().bottom())
            break;
        if (!block.isVisible() || line.bottom() < event->rect().top())
            continue;
        const int number = block.blockNumber() + 1;
        paintNumber(painter, number, line, number - 1 == m_caretBlock);
        paintFoldMark(painter, block, line);
    }
}

void LineNumberGutter::paintNumber(QPainter& painter, int number, const QRectF& line,
                                   bool current) {
    const QPalette& colors = m_editor.palette();
    const QColor text = colors.color(QPalette::Text);
    QFont shown = font();
    shown.setBold(current);
    painter.setFont(shown);
    painter.setPen(current ? text : blend(colors.color(QPalette::Base), text, 0.55));
    const QRectF box(0, line.top(), width() - kPadding - markWidth(), fontMetrics().height());
    painter.drawText(box, Qt::AlignRight | Qt::AlignTop, QString::number(number));
}

void LineNumberGutter::paintFoldMark(QPainter& painter, const QTextBlock& block,
                                     const QRectF& line) {
    LineFolding* folding = m_editor.lineFolding();
    if (!folding)
        return;
    const bool folded = FoldedLines::isFolded(block);
    if (!folded && !folding->startsFold(block))
        return;
    const qreal size = markWidth();
    const QRectF box(width() - size, line.top(), size, fontMetrics().height());
    const qreal half = size * 0.22;
    const QPointF centre = box.center();
    QPainterPath mark;
    if (folded) {  // pointing right: there is more behind it
        mark.moveTo(centre + QPointF(-half * 0.7, -half));
        mark.lineTo(centre + QPointF(half, 0));
        mark.lineTo(centre + QPointF(-half * 0.7, half));
    } else {  // pointing down: open
        mark.moveTo(centre + QPointF(-half, -half * 0.7));
        mark.lineTo(centre + QPointF(half, -half * 0.7));
        mark.lineTo(centre + QPointF(0, half));
    }
    mark.closeSubpath();
    const QPalette& colors = m_editor.palette();
    const QColor text = colors.color(QPalette::Text);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(mark, folded ? text : blend(colors.color(QPalette::Base), text, 0.55));
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void LineNumberGutter::mousePressEvent(QMouseEvent* event) {
    LineFolding* folding = m_editor.lineFolding();
    if (!folding || event->button() != Qt::LeftButton ||
        event->position().x() < width() - markWidth()) {
        QWidget::mousePressEvent(event);
        return;
    }
    const qreal y = event->position().y();
    for (QTextBlock block = m_editor.firstShownBlock(); block.isValid();
         block = FoldedLines::nextShown(block)) {
        const QRectF line = m_editor.shownRect(block);
        if (line.top() > y)
            break;
        if (block.isVisible() && line.bottom() >= y) {
            if (FoldedLines::isFolded(block) || folding->startsFold(block))
                folding->toggleFold(block);
            break;
        }
    }
    event->accept();
}
