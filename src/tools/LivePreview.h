#pragma once

#include "tools/PauseTimer.h"
#include "ui/LivePreviewPane.h"

#include <QObject>
#include <QPlainTextEdit>
#include <QPointer>

class PreviewText;

// Keeps the live preview's pane on the active document: its text, shown a moment after typing
// pauses (never saved for it), and its caret, whose element the pane brings into view. The frame
// hands it the active document's editor and file whenever they change.
class LivePreview : public QObject {
    Q_OBJECT
public:
    // How long typing and caret moves pause before the pane follows them.
    static constexpr int kTypingPauseMs = 100;
    static constexpr int kCaretPauseMs = 100;

    // Makes the pane through `module`, a child of `paneParent`. The pane goes with this object.
    explicit LivePreview(LivePreviewModule& module, QWidget* paneParent = nullptr);
    ~LivePreview() override;

    // The pane's widget, for the frame to place (it may be given another parent).
    QWidget* pane() const { return m_paneWidget; }
    // The pane itself, for a listener of its pages.
    LivePreviewPane& view() { return *m_pane; }

    // Follows `editor` (null: none, and the pane shows nothing); `filePath` is its document's
    // file, empty while untitled. Called again with the same editor after Save As.
    void setDocument(QPlainTextEdit* editor, const QString& filePath);
    QPlainTextEdit* editor() const { return m_editor; }
    // Where clicked links go; the desktop's browser unless replaced.
    void setUrlOpener(LivePreviewPane::UrlOpener opener) {
        m_pane->setUrlOpener(std::move(opener));
    }

private:
    void follow(QPlainTextEdit* editor);
    void showPage(const QByteArray& html);
    void showNothing();
    void revealCaret();

    LivePreviewPane* m_pane;
    QPointer<QWidget> m_paneWidget;
    QPointer<QPlainTextEdit> m_editor;
    QPointer<PreviewText> m_text;
    QString m_path;
    quint64 m_documentId = 0;
    quint64 m_lastId = 0;
    PauseTimer m_typingPause;
    PauseTimer m_caretPause;
    int m_revealedLine = 0;
    bool m_revealOnShow = false;
};
