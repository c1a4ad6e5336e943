#pragma once

#include <QPlainTextDocumentLayout>
#include <QTextCursor>

// The editor's plain text layout, keeping the shaped text of the line being typed in. A layout
// throws its shaped text away once laid out, so the editor would shape the line again to draw it
// and again to place the caret, on every key.
class EditorTextLayout : public QPlainTextDocumentLayout {
    Q_OBJECT
public:
    explicit EditorTextLayout(QTextDocument* document);

    // A hidden line takes no room, and is not laid out to find that out: a fold may hide tens of
    // thousands of lines that the editor's own code walks past.
    QRectF blockBoundingRect(const QTextBlock& block) const override;
    // Lays the lines from `first` to `last` out again after some of them were hidden or shown,
    // and has the views follow. Not an edit: the document reports no change of its text.
    void visibilityChanged(const QTextBlock& first, const QTextBlock& last);

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    void keepShapesOf(const QTextBlock& block);

    // A place in the last line an edit changed. The document moves it along with every edit and
    // puts it back at the start when the whole text is replaced; a QTextBlock kept instead would
    // point into freed memory once its line is gone.
    QTextCursor m_typedLine;
};
