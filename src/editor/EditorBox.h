#pragma once

#include <QAbstractTextDocumentLayout>
#include <QKeySequence>
#include <QList>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>

class LineColors;
class QAction;

// The document window's editor. One widget stands for both of the window's boxes, the wrapping
// one and the non-wrapping one: switching wraps the same text and swaps in the other box's own
// caret and selection, which is kept aside meanwhile (a QTextCursor follows every edit).
class EditorBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit EditorBox(QWidget* parent = nullptr);

    bool wraps() const { return lineWrapMode() != NoWrap; }
    // Shows the other box: wrapping becomes non-wrapping and the other way round.
    void switchBox();
    // The caret and selection of the box that is not shown.
    QTextCursor hiddenCursor() const { return m_hiddenCursor; }
    void setHiddenCursor(const QTextCursor& cursor) { m_hiddenCursor = cursor; }

    // Length of the text and of the selection as the file would hold them: a line break counts
    // as lineEndLength characters. Neither walks the text.
    qint64 documentLength(int lineEndLength) const;
    qint64 selectionLength(int lineEndLength) const;

    // The first block on screen, and a block's rectangle in viewport coordinates: for what
    // colours the shown text or draws beside it.
    QTextBlock firstShownBlock() const { return firstVisibleBlock(); }
    QRectF shownRect(const QTextBlock& block) const;
    // Room left of the text, for a gutter.
    void setLeftMargin(int width) { setViewportMargins(width, 0, 0, 0); }

    // Paints the lines in the colours `colors` gives them; null paints them plain.
    void setLineColors(LineColors* colors);

    // Makes `keys` run `command` (while it is enabled) instead of the editor's own handling:
    // the editor would otherwise take Ctrl+X, Ctrl+C, Ctrl+V and Del before any menu entry.
    void routeKey(const QKeySequence& keys, QAction* command);

signals:
    // The editor has handled a key press: typed, moved or edited for it.
    void keyPressHandled(QKeyEvent* event);
    void keyReleased();
    void mouseReleased();
    void mouseMoved();
    void focusReceived();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Pastes and drops as plain typed text: the inserted breaks take the file's own line end
    // (see DocumentText), not the kind of a line break next to them.
    void insertFromMimeData(const QMimeData* source) override;

private:
    struct KeyRoute {
        QKeySequence keys;
        QPointer<QAction> command;
    };
    QAction* routedCommand(const QKeyEvent* event) const;
    void paintBlock(QPainter& painter, const QTextBlock& block, const QPointF& offset,
                    const QAbstractTextDocumentLayout::PaintContext& context, const QRectF& clip);
    static QList<QTextLayout::FormatRange> selectionsIn(
        const QTextBlock& block, const QList<QAbstractTextDocumentLayout::Selection>& selections);

    LineColors* m_lineColors = nullptr;

    QTextCursor m_hiddenCursor;
    QList<KeyRoute> m_keyRoutes;
};
