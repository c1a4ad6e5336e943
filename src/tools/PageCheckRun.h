#pragma once

#include "tools/PageChecker.h"

#include <QObject>
#include <QProcess>
#include <QTimer>

// One check of a page in the checker process. The page goes to the process's input a slice at a
// time as the pipe takes it, so that the user-interface thread never waits on the process; the
// answer is read as it comes and judged once the process has ended. Whatever the process does
// (crash, hang, write nonsense), the run ends with ended() once: with the result, or with the
// reason it has none. Ending the run early, or destroying it, kills the process at once.
class PageCheckRun : public QObject {
    Q_OBJECT
public:
    enum class Ending { Checked, Crashed, TimedOut, Stopped, Missing, Unreadable };
    Q_ENUM(Ending)

    PageCheckRun(CheckerCommand checker, std::chrono::milliseconds timeLimit,
                 QObject* parent = nullptr);
    ~PageCheckRun() override;

    // Starts checking `text` (the editor's, paragraph separators for line breaks); ended() comes
    // later, from the event loop.
    void start(const QString& text);
    // Ends the check unfinished; nothing happens once it has ended.
    void stop();

signals:
    // `result` is empty unless `ending` is Checked.
    void ended(PageCheckRun::Ending ending, const PageCheckResult& result);

private:
    void feed();
    void collect();
    void processEnded(int exitCode, QProcess::ExitStatus status);
    void end(Ending ending, const PageCheckResult& result = {});
    void killProcess();

    CheckerCommand m_checker;
    QTimer m_limit;
    QProcess* m_process = nullptr;
    QString m_text;
    qsizetype m_fed = 0;  // characters of m_text handed to the process
    bool m_inputClosed = false;
    QByteArray m_answer;
    bool m_ended = false;
};
