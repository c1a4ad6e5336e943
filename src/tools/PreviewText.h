#pragma once

#include <QByteArray>
#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>

class EditRecorder;
class QTextDocument;
class TextReplica;

// A document's text on its way to the live preview. Its edits are recorded as they happen, at
// the cost of each edit's own size; a page is built from them away from the user-interface
// thread, on a copy of the text kept there, so that neither typing nor an update copies the whole
// text here (only the first page does, to start the copy). Made a child of the document, it
// goes with it.
class PreviewText : public QObject {
    Q_OBJECT
public:
    explicit PreviewText(QTextDocument& document);
    ~PreviewText() override;

    // Builds a page from the text as it is now; asked while one is being built, it builds
    // another when that one is done.
    void request();

signals:
    // The text as UTF-8 HTML with its blocks' source lines marked (PreviewSourceLines).
    void pageReady(const QByteArray& html);

private:
    void build();
    void built();

    EditRecorder* m_recorder;
    std::shared_ptr<TextReplica> m_copy;
    QFutureWatcher<std::optional<QByteArray>> m_watcher;
    bool m_building = false;
    bool m_again = false;
};
