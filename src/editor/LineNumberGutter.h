#pragma once

#include <QTimer>
#include <QWidget>

class EditorBox;
class QTextBlock;

// Line numbers in a strip left of an editor's text, the caret's line picked out. The strip is
// a child of the editor and makes room for itself; hiding it gives the room back, showing it
// takes it again. Its colours come from the editor's palette. When the editor's lines fold, a
// column right of the numbers marks where a fold starts (an open triangle) and which lines are
// folded (a closed one); a click on a mark folds or unfolds there.
class LineNumberGutter : public QWidget {
    Q_OBJECT
public:
    explicit LineNumberGutter(EditorBox& editor);

    void setVisible(bool visible) override;
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int neededWidth() const;
    void fitToEditor();
    void onUpdateRequest(const QRect& rect, int dy);
    void onCaretMoved();
    void paintNumber(QPainter& painter, int number, const QRectF& line, bool current);
    int markWidth() const;
    void paintFoldMark(QPainter& painter, const QTextBlock& block, const QRectF& line);

    EditorBox& m_editor;
    int m_caretBlock = -1;
    int m_margin = -1;  // the room last asked of the editor
    // Typing may start or end a fold on its line, or, closing a comment, on lines below: the
    // marks are drawn again once typing pauses rather than on every key.
    QTimer m_markRefresh;
};
