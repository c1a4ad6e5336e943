#include "tools/PageCheckPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

enum Role { LineRole = Qt::UserRole, ColumnRole };

}  // namespace

PageCheckPanel::PageCheckPanel(QWidget* parent)
    : QWidget(parent), m_title(new QLabel), m_list(new QListWidget) {
    setObjectName(QStringLiteral("page_check_panel"));
    m_list->setObjectName(QStringLiteral("page_check_problems"));
    m_list->setUniformItemSizes(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(makeTitleBar());
    layout->addWidget(m_list);
    // Double-click and Enter both activate an item.
    connect(m_list, &QListWidget::itemActivated, this, &PageCheckPanel::chooseItem);
}

QWidget* PageCheckPanel::makeTitleBar() {
    auto* bar = new QWidget;
    m_title->setObjectName(QStringLiteral("page_check_title"));
    auto* close = new QToolButton;
    close->setObjectName(QStringLiteral("page_check_close"));
    close->setAutoRaise(true);
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setToolTip(tr("Close"));
    connect(close, &QToolButton::clicked, this, &QWidget::hide);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(4, 0, 0, 0);
    layout->addWidget(m_title, 1);
    layout->addWidget(close);
    return bar;
}

void PageCheckPanel::check(QPlainTextEdit* editor, const QString& pageName) {
    if (!editor)
        return;
    m_title->setText(pageName.isEmpty() ? tr("Check Page") : tr("Check Page: %1").arg(pageName));
    if (m_watcher) {
        m_watcher->disconnect(this);
        m_watcher->deleteLater();
    }
    m_editor = editor;
    showMessage(tr("Checking the page..."));
    // The one copy made on this thread; the rest of the work happens on the copy elsewhere.
    const QString text = editor->document()->toRawText();
    m_watcher = new QFutureWatcher<PageCheckResult>(this);
    connect(m_watcher, &QFutureWatcher<PageCheckResult>::finished, this, [this] {
        const PageCheckResult result = m_watcher->result();
        m_watcher->deleteLater();
        m_watcher = nullptr;
        showResult(result);
        emit checkFinished();
    });
    m_watcher->setFuture(PageChecker::checkInBackground(text));
}

void PageCheckPanel::showMessage(const QString& text) {
    m_list->clear();
    auto* item = new QListWidgetItem(text, m_list);
    item->setFlags(Qt::ItemIsEnabled);
}

void PageCheckPanel::showResult(const PageCheckResult& result) {
    if (result.problems.isEmpty()) {
        showMessage(tr("No problems found."));
        return;
    }
    m_list->clear();
    for (const PageProblem& problem : result.problems) {
        auto* item = new QListWidgetItem(problem.report, m_list);
        item->setData(LineRole, problem.line);
        item->setData(ColumnRole, problem.column);
    }
    if (result.truncated) {
        auto* more = new QListWidgetItem(
            tr("Only the first %1 problems are listed.").arg(PageChecker::kMaxProblems), m_list);
        more->setFlags(Qt::ItemIsEnabled);
    }
    m_list->setCurrentRow(0);
}

void PageCheckPanel::chooseItem(const QListWidgetItem* item) {
    const int line = item->data(LineRole).toInt();
    if (!m_editor || line < 1)
        return;
    emit problemChosen(m_editor, line, item->data(ColumnRole).toInt());
}

void PageCheckPanel::moveCaretTo(QPlainTextEdit* editor, int line, int column) {
    const QTextBlock block = editor->document()->findBlockByNumber(line - 1);
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + PageChecker::offsetOfColumn(block.text(), column));
    editor->setTextCursor(cursor);
    editor->centerCursor();
}
