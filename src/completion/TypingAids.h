#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class EditorBox;
class MatchingTagHighlight;
class QKeyEvent;
class QTextDocument;
class TagCompleter;

// What helps the user type HTML into one editor: the completion list (View > Tag Completion),
// end tags added as start tags are typed (View > Auto-close Tags), and the marks on the tag at
// the caret and its partner (always). Only keys the user types into the editor drive it: never
// keystroke scripts, pastes or undo. Nothing of the HTML data is read before it is needed.
//
// It belongs to the editor's document and goes with it; deleting it takes its marks and list
// away from the editor.
class TypingAids : public QObject {
    Q_OBJECT
public:
    explicit TypingAids(EditorBox& editor);
    ~TypingAids() override;

    void apply(bool completion, bool autoClose);
    bool completes() const { return m_completion; }
    bool autoCloses() const { return m_autoClose; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The text a key press types, as the editor would take it: printable, without Ctrl or Alt.
    static QString typedText(const QKeyEvent& event);
    static bool isCtrlSpace(const QKeyEvent& event);
    bool isCompletionKey(const QKeyEvent& event) const;
    void beforeKey(const QKeyEvent& event);
    void afterKey();
    void takeListKeysFirst();
    void noteChange(int from, int removed, int added);

    EditorBox& m_editor;
    QPointer<QTextDocument> m_document;
    TagCompleter* m_completer;
    MatchingTagHighlight* m_highlight;
    bool m_completion = false;
    bool m_autoClose = false;

    // The key on its way through the editor and the edit it made.
    struct KeyInFlight {
        bool active = false;
        QString text;
        int from = -1;
        int added = 0;
    };
    KeyInFlight m_key;
};
