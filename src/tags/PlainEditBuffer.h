#pragma once

#include "tags/EditBuffer.h"

#include <algorithm>

// An EditBuffer over a QString with '\n' line breaks and no wrapping, so every displayed line is
// a logical line. It has its own clipboard. Used where no widget is wanted: tests, fuzzing.
class PlainEditBuffer : public EditBuffer {
public:
    // The caret starts at the end of `text`; a page is `pageLines` lines.
    explicit PlainEditBuffer(const QString& text = {}, int pageLines = 10);

    QString text() const { return m_text; }
    QString selectedText() const;
    // Sets anchor and caret, each clamped to the text.
    void setSelection(int anchor, int position);
    QString clipboard() const { return m_clipboard; }
    void setClipboard(const QString& text) { m_clipboard = text; }

    int length() const override { return int(m_text.size()); }
    int position() const override { return m_position; }
    int anchor() const override { return m_anchor; }
    void insertText(const QString& text) override;
    bool move(Move move, bool extendSelection) override;
    bool deleteForward() override;
    bool deleteBackward() override;
    void selectAll() override;
    void cut() override;
    void copy() override;
    void paste() override;

private:
    int selectionStart() const { return std::min(m_anchor, m_position); }
    int selectionEnd() const { return std::max(m_anchor, m_position); }
    int lineStart(int pos) const;
    int lineEnd(int pos) const;
    int previousPosition(int pos) const;
    int nextPosition(int pos) const;
    int targetOf(Move move, bool extendSelection);
    int verticalTarget(int lines);
    void removeSelection();

    QString m_text;
    int m_position = 0;
    int m_anchor = 0;
    int m_goalColumn = -1;  // column that a run of up/down moves keeps to; -1 outside such a run
    int m_pageLines = 10;
    QString m_clipboard;
};
