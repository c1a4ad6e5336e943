#pragma once

#include <QPlainTextDocumentLayout>
#include <QTextBlock>

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

    QTextBlock m_typedLine;  // the last line an edit changed
};
