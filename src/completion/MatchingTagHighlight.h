#pragma once

#include <QObject>
#include <QTextEdit>
#include <QTimer>

class QPlainTextEdit;

// Marks the tag the caret stands in and its partner (see findMatchingTag) with a background that
// reads on light and dark palettes. The search waits until the caret has rested a moment, so
// keys held down or typed in a run never wait for it, and it reads a bounded stretch of text.
class MatchingTagHighlight : public QObject {
    Q_OBJECT
public:
    MatchingTagHighlight(QPlainTextEdit& editor, QObject* parent);

    // Marks the tags at the caret now, without waiting.
    void refresh();
    // Takes the marks off.
    void clear();

private:
    void mark(const QList<QTextEdit::ExtraSelection>& tags);

    QPlainTextEdit& m_editor;
    QTimer m_rest;
    bool m_marked = false;
};

// Edit > Go to Matching Tag: puts the caret at the start of the partner of the tag it stands in.
// False (and the caret stays) where there is none.
bool goToMatchingTag(QPlainTextEdit& editor);
