#pragma once

#include "tools/PageChecker.h"

#include <QFutureWatcher>
#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;

// The list of the problems that checking a document's page found, meant to sit under the
// document windows. The check runs off the user-interface thread on a copy of the text; the
// list says so meanwhile, and says "No problems found." when there are none. Double-click or
// Enter on a problem asks for the caret to go to its place. Its title names the page checked;
// its close button hides it until the next check.
class PageCheckPanel : public QWidget {
    Q_OBJECT
public:
    explicit PageCheckPanel(QWidget* parent = nullptr);

    // Checks the text of `editor` as it is now; `pageName` goes into the title. A check still
    // running is forgotten.
    void check(QPlainTextEdit* editor, const QString& pageName = QString());
    bool isChecking() const { return m_watcher != nullptr; }
    // The editor whose text was checked last (null once it is gone).
    QPlainTextEdit* checkedEditor() const { return m_editor; }
    QListWidget* list() const { return m_list; }
    QLabel* title() const { return m_title; }

    // Puts the caret of `editor` at libtidy's `line` and `column` and brings it into view.
    static void moveCaretTo(QPlainTextEdit* editor, int line, int column);

signals:
    void checkFinished();
    // The user chose the problem at libtidy's `line` and `column` of `editor`'s text.
    void problemChosen(QPlainTextEdit* editor, int line, int column);

private:
    void showMessage(const QString& text);
    void showResult(const PageCheckResult& result);
    void chooseItem(const QListWidgetItem* item);
    QWidget* makeTitleBar();

    QLabel* m_title;
    QListWidget* m_list;
    QPointer<QPlainTextEdit> m_editor;
    QFutureWatcher<PageCheckResult>* m_watcher = nullptr;
};
