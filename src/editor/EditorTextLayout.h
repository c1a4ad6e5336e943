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

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    void keepShapesOf(const QTextBlock& block);

    // A place in the last line an edit changed. The document moves it along with every edit and
    // puts it back at the start when the whole text is replaced; a QTextBlock kept instead would
    // point into freed memory once its line is gone.
    QTextCursor m_typedLine;
};
