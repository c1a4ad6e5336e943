#pragma once

#include "html/CompletionContext.h"
#include "html/HtmlData.h"
#include "html/TagMatching.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>

class CompletionPopup;
class QKeyEvent;
class QPlainTextEdit;

// Offers element, attribute, value and end-tag names under the caret as the user types, and
// types the chosen one through the keystroke-script engine, so that an insertion-stop session
// follows it as after any insertion. The list is made the first time it shows.
class TagCompleter : public QObject {
    Q_OBJECT
public:
    TagCompleter(QPlainTextEdit& editor, QObject* parent);
    // Takes the list away from the editor.
    void discard();

    bool isShown() const;
    // While the list shows: Up, Down, Page Up and Page Down choose, Enter and Tab accept, Esc
    // closes. True when the key was used (the editor must not see it).
    bool handleKey(const QKeyEvent& event);
    // A key goes to the editor now: what it moves or scrolls does not close the list.
    void beforeKey();
    // After a key the editor handled: refilters the list that shows (closing it where nothing is
    // left to offer) or, when the key typed text, opens it where the caret now stands in a tag.
    void afterKey(bool typedText);
    // Opens the list by hand (Ctrl+Space), also right after a bare "<".
    void openByHand();
    void close();
    void accept();

private:
    // Shows what the context at the caret offers; false when it offers nothing.
    bool showAtCaret(bool byHand);
    void follow(bool on);
    void closeUnlessInKey();

    QPlainTextEdit& m_editor;
    QPointer<CompletionPopup> m_popup;
    CompletionContext m_context;
    QList<HtmlEntry> m_entries;
    OpenElementsMemo m_openElements;
    QList<QMetaObject::Connection> m_watches;
    bool m_inKey = false;
};
