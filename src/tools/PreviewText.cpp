#include "tools/PreviewText.h"

#include "recovery/EditRecorder.h"
#include "recovery/TextReplica.h"
#include "tools/PreviewSourceLines.h"

#include <QTextDocument>
#include <QtConcurrent>

namespace {

// Brings the copy up to date and makes the page; no value when the copy lost track.
std::optional<QByteArray> buildPage(const std::shared_ptr<TextReplica>& copy,
                                    const TextChanges& changes) {
    if (!copy->apply(changes))
        return std::nullopt;
    return PreviewSourceLines::mark(copy->text()).toUtf8();
}

}  // namespace

PreviewText::PreviewText(QTextDocument& document)
    : QObject(&document),
      m_recorder(new EditRecorder(document)),
      m_copy(std::make_shared<TextReplica>()) {
    m_recorder->setParent(this);
    connect(&m_watcher, &QFutureWatcher<std::optional<QByteArray>>::finished, this,
            &PreviewText::built);
}

// A build still running finishes on its own copy, which it shares, and its page is dropped.
PreviewText::~PreviewText() {
    m_watcher.disconnect(this);
}

void PreviewText::request() {
    if (m_building)
        m_again = true;
    else
        build();
}

void PreviewText::build() {
    m_again = false;
    m_building = true;
    m_watcher.setFuture(QtConcurrent::run(buildPage, m_copy, m_recorder->take()));
}

void PreviewText::built() {
    m_building = false;
    const std::optional<QByteArray> page = m_watcher.result();
    if (!page) {
        m_recorder->requireWholeText();
        build();
        return;
    }
    emit pageReady(*page);
    if (m_again)
        build();
}
