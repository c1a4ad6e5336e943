#pragma once

#include "editor/LineFolding.h"

#include <QObject>
#include <QString>
#include <QTextBlock>

class EditorBox;

// Folding of one editor's HTML: where folds start and end (see FoldFinder), and keeping the
// caret and every edit out of folded lines. The caret landing in a folded line (Find, Go to
// Line, Undo) unfolds it, and so does an edit that reaches into one or that breaks or joins a
// folded line at its end. Edits elsewhere leave every fold as it is. While nothing is folded it
// costs an edit or a caret move nothing but a look at one flag.
class HtmlFolding : public QObject, public LineFolding {
    Q_OBJECT
public:
    // The editor's folding, made on first use.
    static HtmlFolding& of(EditorBox& editor);

    // Folding follows HTML: switched off for text and batch files, where no fold starts.
    void setEnabled(bool enabled);

    bool startsFold(const QTextBlock& block) override;
    void toggleFold(const QTextBlock& block) override;
    bool mayHaveFolds() const override { return m_mayHaveFolds; }

    // Folds what starts at `block`; returns a note for the status line (why nothing folded, or
    // what did).
    QString fold(const QTextBlock& block);
    // Hides the lines after `header` up to `last` (which FoldFinder found or a caller chose),
    // moving the caret out of them first.
    void foldLines(const QTextBlock& header, const QTextBlock& last);
    // Unfolds the fold that `block` starts or lies in; false when it is in none.
    bool unfold(const QTextBlock& block);
    // Unfolds every fold; returns how many there were.
    int unfoldAll();

signals:
    // A note for the status line about a fold asked for from the gutter.
    void noted(const QString& text);

private:
    explicit HtmlFolding(EditorBox& editor);
    void onCaretMoved();
    void onContentsChange(int from, int charsRemoved, int charsAdded);

    EditorBox& m_editor;
    bool m_enabled = true;
    bool m_mayHaveFolds = false;  // false once no line can be folded
    int m_blockCount = 0;         // the number of lines after the last edit, while folds may be
};
