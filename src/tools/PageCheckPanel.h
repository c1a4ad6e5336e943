#pragma once

#include "tools/PageCheckRun.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QToolButton;

// The list of the problems that checking a document's page found, meant to sit under the
// document windows. The check runs in the checker process, which is handed the text a few lines
// at a time; the list says so meanwhile, and says "No problems found." when there are none, or why
// the check stopped without a result (the checker crashed, took too long, was stopped or is
// missing). Double-click or Enter on a problem asks for the caret to go to its place. Its title
// names the page checked; its Stop button ends a check; its close button hides it until the next
// check. Destroying the panel ends a running check at once.
class PageCheckPanel : public QWidget {
    Q_OBJECT
public:
    explicit PageCheckPanel(QWidget* parent = nullptr);

    // Checks the text of `editor` as it is now; `pageName` goes into the title. A check still
    // running is ended.
    void check(QPlainTextEdit* editor, const QString& pageName = QString());
    bool isChecking() const { return m_run != nullptr; }
    // The checker process and its time limit for the checks that follow (the program's own
    // checker and PageChecker::kTimeLimit unless set).
    void setChecker(const CheckerCommand& checker) { m_checker = checker; }
    void setTimeLimit(std::chrono::milliseconds limit) { m_timeLimit = limit; }
    // The editor whose text was checked last (null once it is gone).
    QPlainTextEdit* checkedEditor() const { return m_editor; }
    QListWidget* list() const { return m_list; }
    QLabel* title() const { return m_title; }

    // Puts the caret of `editor` at libtidy's `line` and `column` and brings it into view.
    static void moveCaretTo(QPlainTextEdit* editor, int line, int column);

public slots:
    // Ends a running check; the list says it was stopped.
    void stop();

signals:
    // A check ended, with a result or without one.
    void checkFinished();
    // The user chose the problem at libtidy's `line` and `column` of `editor`'s text.
    void problemChosen(QPlainTextEdit* editor, int line, int column);

private:
    void showMessage(const QString& text);
    void showResult(const PageCheckResult& result);
    void runEnded(PageCheckRun::Ending ending, const PageCheckResult& result);
    QString endingMessage(PageCheckRun::Ending ending) const;
    void chooseItem(const QListWidgetItem* item);
    QWidget* makeTitleBar();

    QLabel* m_title;
    QListWidget* m_list;
    QToolButton* m_stop;
    QPointer<QPlainTextEdit> m_editor;
    CheckerCommand m_checker;
    std::chrono::milliseconds m_timeLimit = PageChecker::kTimeLimit;
    PageCheckRun* m_run = nullptr;
};
