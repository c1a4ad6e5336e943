#include "tools/PageCheckPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
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
    : QWidget(parent),
      m_title(new QLabel),
      m_list(new QListWidget),
      m_stop(new QToolButton),
      m_checker(PageChecker::programChecker()) {
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
    m_stop->setObjectName(QStringLiteral("page_check_stop"));
    m_stop->setAutoRaise(true);
    m_stop->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    m_stop->setText(tr("Stop"));
    m_stop->setToolTip(tr("Stop checking the page"));
    m_stop->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_stop->setEnabled(false);
    connect(m_stop, &QToolButton::clicked, this, &PageCheckPanel::stop);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(4, 0, 0, 0);
    layout->addWidget(m_title, 1);
    layout->addWidget(m_stop);
    layout->addWidget(close);
    return bar;
}

void PageCheckPanel::check(QPlainTextEdit* editor, const QString& pageName) {
    if (!editor)
        return;
    m_title->setText(pageName.isEmpty() ? tr("Check Page") : tr("Check Page: %1").arg(pageName));
    delete m_run;  // ends its process
    m_editor = editor;
    showMessage(tr("Checking the page..."));
    m_stop->setEnabled(true);
    m_run = new PageCheckRun(m_checker, m_timeLimit, this);
    connect(m_run, &PageCheckRun::ended, this, &PageCheckPanel::runEnded);
    m_run->start(*editor->document());
}

void PageCheckPanel::stop() {
    if (m_run)
        m_run->stop();
}

void PageCheckPanel::runEnded(PageCheckRun::Ending ending, const PageCheckResult& result) {
    m_run->deleteLater();
    m_run = nullptr;
    m_stop->setEnabled(false);
    if (ending == PageCheckRun::Ending::Checked)
        showResult(result);
    else
        showMessage(endingMessage(ending));
    emit checkFinished();
}

QString PageCheckPanel::endingMessage(PageCheckRun::Ending ending) const {
    using Ending = PageCheckRun::Ending;
    switch (ending) {
        case Ending::Crashed:
            return tr("Checking stopped: the checker crashed on this page.");
        case Ending::TimedOut:
            return tr("Checking stopped: it took longer than %1 seconds.")
                .arg(QLocale().toString(m_timeLimit.count() / 1000.0));
        case Ending::Stopped:
            return tr("Checking was stopped.");
        case Ending::Missing:
            return tr("The page was not checked: the checker (%1) is missing or cannot be started.")
                .arg(PageChecker::kProgramName);
        case Ending::Unreadable:
            return tr("Checking stopped: the checker's answer could not be read.");
        case Ending::Checked:
            break;
    }
    return QString();
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
            tr("Only the first %1 problems are listed.").arg(PageCheckResult::kMaxProblems),
            m_list);
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
