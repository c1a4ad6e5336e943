#pragma once

#include "tools/PageChecker.h"
#include "tools/PageTextReader.h"

#include <QObject>
#include <QProcess>
#include <QTimer>
#include <memory>

// One check of a page in the checker process. The page goes to the process's input a few lines
// at a time, read from the document as the pipe takes them, so that the user-interface thread
// never waits on the process or on a copy of the whole text; an edit before the whole page was
// handed over starts the check again on the page as it is then. The answer is read as it comes
// and judged once the process has ended. Whatever the process does (crash, hang, write
// nonsense), the run ends with ended() once: with the result, or with the reason it has none.
// Ending the run early, or destroying it, kills the process at once.
class PageCheckRun : public QObject {
    Q_OBJECT
public:
    enum class Ending { Checked, Crashed, TimedOut, Stopped, Missing, Unreadable };
    Q_ENUM(Ending)

    PageCheckRun(CheckerCommand checker, std::chrono::milliseconds timeLimit,
                 QObject* parent = nullptr);
    ~PageCheckRun() override;

    // Starts checking the text of `document`; ended() comes later, from the event loop. A
    // document closed before it was read whole ends the check as stopped.
    void start(const QTextDocument& document);
    // Ends the check unfinished; nothing happens once it has ended.
    void stop();

signals:
    // `result` is empty unless `ending` is Checked.
    void ended(PageCheckRun::Ending ending, const PageCheckResult& result);

private:
    void launch();
    void textChanged();
    void feed();
    void collect();
    void processEnded(int exitCode, QProcess::ExitStatus status);
    void end(Ending ending, const PageCheckResult& result = {});
    void killProcess();

    CheckerCommand m_checker;
    QTimer m_limit;
    std::unique_ptr<PageTextReader> m_page;
    QProcess* m_process = nullptr;
    bool m_inputClosed = false;
    QByteArray m_answer;
    bool m_ended = false;
};
