#pragma once

#include "html/HtmlData.h"

#include <QListWidget>

class QPlainTextEdit;

// The list of names under the caret. It lies over the editor as a child of it and never takes
// the keyboard focus: the editor keeps typing, and TagCompleter hands it the keys it uses.
class CompletionPopup : public QListWidget {
    Q_OBJECT
public:
    explicit CompletionPopup(QPlainTextEdit& editor);

    // Shows `entries` (best first, the first one chosen) under the caret, or above it where the
    // editor has no room below.
    void showEntries(const QList<HtmlEntry>& entries);
    // Moves the choice for Up, Down, Page Up and Page Down; false for any other key.
    bool moveChoice(int key);

signals:
    // An entry was clicked.
    void picked();

private:
    void fill(const QList<HtmlEntry>& entries);
    void placeAtCaret();

    QPlainTextEdit& m_editor;
    int m_textWidth = 0;  // of the longest name shown
};
