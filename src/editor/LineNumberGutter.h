#pragma once

#include <QWidget>

class EditorBox;

// Line numbers in a strip left of an editor's text, the caret's line picked out. The strip is
// a child of the editor and makes room for itself; hiding it gives the room back, showing it
// takes it again. Its colours come from the editor's palette.
class LineNumberGutter : public QWidget {
    Q_OBJECT
public:
    explicit LineNumberGutter(EditorBox& editor);

    void setVisible(bool visible) override;
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int neededWidth() const;
    void fitToEditor();
    void onUpdateRequest(const QRect& rect, int dy);
    void onCaretMoved();
    void paintNumber(QPainter& painter, int number, const QRectF& line, bool current);

    EditorBox& m_editor;
    int m_caretBlock = -1;
    int m_margin = -1;  // the room last asked of the editor
};
