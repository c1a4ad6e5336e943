#include "tools/PageCheckRun.h"

namespace {

// Characters read, encoded and handed to the process at a time, and what may wait in its buffer
// before the next slice: a slice costs the user-interface thread about a millisecond.
constexpr qsizetype kSlice = 256 * 1024;

}  // namespace

PageCheckRun::PageCheckRun(CheckerCommand checker, std::chrono::milliseconds timeLimit,
                           QObject* parent)
    : QObject(parent), m_checker(std::move(checker)) {
    m_limit.setSingleShot(true);
    m_limit.setInterval(timeLimit);
    connect(&m_limit, &QTimer::timeout, this, [this] { end(Ending::TimedOut); });
}

PageCheckRun::~PageCheckRun() {
    killProcess();
}

void PageCheckRun::start(const QTextDocument& document) {
    if (m_page || m_ended)
        return;
    m_page = std::make_unique<PageTextReader>(document, [this] { textChanged(); });
    launch();
}

void PageCheckRun::launch() {
    if (m_checker.program.isEmpty()) {
        // Later, as when the program cannot be started, so that ended() always follows start().
        QMetaObject::invokeMethod(
            this, [this] { end(Ending::Missing); }, Qt::QueuedConnection);
        return;
    }
    m_page->rewind();
    m_inputClosed = false;
    m_answer.clear();
    m_process = new QProcess(this);
    m_process->setStandardErrorFile(QProcess::nullDevice());
    connect(m_process, &QProcess::started, this, &PageCheckRun::feed);
    connect(m_process, &QProcess::bytesWritten, this, &PageCheckRun::feed);
    connect(m_process, &QProcess::readyReadStandardOutput, this, &PageCheckRun::collect);
    connect(m_process, &QProcess::finished, this, &PageCheckRun::processEnded);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            end(Ending::Missing);
    });
    m_limit.start();
    m_process->start(m_checker.program, m_checker.arguments);
}

void PageCheckRun::textChanged() {
    // Once the checker has the whole page, edits are no concern of this check.
    if (m_ended || m_inputClosed || !m_process)
        return;
    if (!m_page->hasDocument()) {
        end(Ending::Stopped);
        return;
    }
    killProcess();
    // Not from inside the edit's own notification.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!m_ended && !m_process)
                launch();
        },
        Qt::QueuedConnection);
}

void PageCheckRun::stop() {
    if (m_page)
        end(Ending::Stopped);
}

void PageCheckRun::feed() {
    if (!m_process || m_inputClosed)
        return;
    while (!m_page->atEnd() && m_process->bytesToWrite() < kSlice)
        m_process->write(m_page->read(kSlice).toUtf8());
    if (m_page->atEnd()) {
        m_process->closeWriteChannel();
        m_inputClosed = true;
    }
}

void PageCheckRun::collect() {
    m_answer += m_process->readAllStandardOutput();
    if (m_answer.size() > PageCheckAnswer::kMaxBytes)
        end(Ending::Unreadable);
}

void PageCheckRun::processEnded(int exitCode, QProcess::ExitStatus status) {
    collect();
    if (m_ended)
        return;
    if (status == QProcess::CrashExit || exitCode != 0) {
        end(Ending::Crashed);
        return;
    }
    const std::optional<PageCheckResult> result = PageCheckAnswer::read(m_answer);
    end(result ? Ending::Checked : Ending::Unreadable, result.value_or(PageCheckResult()));
}

void PageCheckRun::end(Ending ending, const PageCheckResult& result) {
    if (m_ended)
        return;
    m_ended = true;
    m_limit.stop();
    killProcess();
    m_answer.clear();
    emit ended(ending, result);
}

void PageCheckRun::killProcess() {
    if (!m_process)
        return;
    m_process->disconnect(this);
    if (m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished();
    }
    // Not deleted here: this may run inside one of the process's own signals.
    m_process->deleteLater();
    m_process = nullptr;
}
