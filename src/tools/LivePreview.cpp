#include "tools/LivePreview.h"

#include "tools/PreviewText.h"

#include <QDesktopServices>
#include <QTextBlock>
#include <QTextDocument>

LivePreview::LivePreview(LivePreviewModule& module, QWidget* paneParent)
    : m_pane(module.createPane(paneParent)),
      m_paneWidget(m_pane->widget()),
      m_typingPause(kTypingPauseMs,
                    [this] {
                        if (m_text)
                            m_text->request();
                    }),
      m_caretPause(kCaretPauseMs, [this] { revealCaret(); }) {
    m_pane->setUrlOpener([](const QUrl& url) { return QDesktopServices::openUrl(url); });
}

LivePreview::~LivePreview() {
    follow(nullptr);
    delete m_paneWidget;
}

void LivePreview::setDocument(QPlainTextEdit* editor, const QString& filePath) {
    if (editor == m_editor && filePath == m_path)
        return;
    if (editor != m_editor)
        follow(editor);
    m_path = editor ? filePath : QString();
    if (!m_text) {
        showNothing();
        return;
    }
    m_revealOnShow = true;
    m_text->request();
}

void LivePreview::follow(QPlainTextEdit* editor) {
    if (m_editor)
        m_editor->disconnect(this);
    delete m_text;
    m_typingPause.stop();
    m_caretPause.stop();
    m_editor = editor;
    m_documentId = editor ? ++m_lastId : 0;
    m_revealedLine = 0;
    if (!editor)
        return;
    m_text = new PreviewText(*editor->document());
    connect(m_text, &PreviewText::pageReady, this, &LivePreview::showPage);
    // Each edit and caret move only reads the clock here.
    connect(editor, &QPlainTextEdit::textChanged, this, [this] { m_typingPause.event(); });
    connect(editor, &QPlainTextEdit::cursorPositionChanged, this, [this] { m_caretPause.event(); });
    connect(editor, &QObject::destroyed, this, [this] {
        follow(nullptr);
        m_path.clear();
        showNothing();
    });
}

// The pane may have gone with its window before this object.
void LivePreview::showNothing() {
    if (m_paneWidget)
        m_pane->showPage(PreviewPage());
}

void LivePreview::showPage(const QByteArray& html) {
    if (!m_paneWidget)
        return;
    m_pane->showPage({html, m_path, m_documentId});
    // The first page of a document shows the caret's place once it has loaded.
    if (std::exchange(m_revealOnShow, false)) {
        m_revealedLine = 0;
        revealCaret();
    }
}

void LivePreview::revealCaret() {
    if (!m_editor || !m_paneWidget)
        return;
    const int line = m_editor->textCursor().blockNumber() + 1;
    if (line == m_revealedLine)
        return;
    m_revealedLine = line;
    m_pane->revealLine(line);
}
