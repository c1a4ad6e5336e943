#pragma once

#include <QPlainTextDocumentLayout>
#include <QRectF>
#include <QTextBlock>
#include <QTextLayout>
#include <functional>

// The editor's plain text layout, with a way for colouring to give a line its colours so that the
// line is laid out once, not twice. New colours drop a line's layout, and Qt reports them as a
// change of the whole line; the plain layout would then lay the line out once to learn its old
// height and once more for the change, and may take the report for a change of several lines.
// Colours never change a line's height, so the height before them stands in for it.
class EditorTextLayout : public QPlainTextDocumentLayout {
    Q_OBJECT
public:
    // Called for an edit within one line, just before that line is laid out again: the place to
    // give the line its new colours.
    using EditHook = std::function<void(const QTextBlock& block)>;

    explicit EditorTextLayout(QTextDocument* document);

    void setEditHook(EditHook hook) { m_editHook = std::move(hook); }

    // Gives `block` these colours and lays it out once: within the edit hook as part of the edit;
    // otherwise silently, for a line that is about to be painted.
    void setLineFormats(const QTextBlock& block, const QList<QTextLayout::FormatRange>& formats);

    QRectF blockBoundingRect(const QTextBlock& block) const override;

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    void keepHeight(const QTextBlock& block);
    void keepShapesOf(const QTextBlock& block);

    EditHook m_editHook;
    bool m_inEditHook = false;
    QTextBlock m_settling;  // the line whose new formats are being reported
    mutable QTextBlock m_keptBlock;
    QRectF m_keptRect;
    QTextBlock m_typedLine;  // the last line an edit changed
};
