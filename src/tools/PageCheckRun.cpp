#include "tools/PageCheckRun.h"

namespace {

// Characters encoded and handed to the process at a time, and what may wait in its buffer before
// the next slice: a slice costs the user-interface thread about a millisecond.
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

void PageCheckRun::start(const QString& text) {
    if (m_process || m_ended)
        return;
    if (m_checker.program.isEmpty()) {
        // Later, as when the program cannot be started, so that ended() always follows start().
        QMetaObject::invokeMethod(
            this, [this] { end(Ending::Missing); }, Qt::QueuedConnection);
        return;
    }
    m_text = text;
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

void PageCheckRun::stop() {
    if (m_process)
        end(Ending::Stopped);
}

void PageCheckRun::feed() {
    if (!m_process || m_inputClosed)
        return;
    while (m_fed < m_text.size() && m_process->bytesToWrite() < kSlice) {
        qsizetype length = std::min(kSlice, m_text.size() - m_fed);
        // Each half of a parted surrogate pair would reach the checker as a replacement.
        if (m_fed + length < m_text.size() && m_text[m_fed + length - 1].isHighSurrogate())
            ++length;
        QString slice = m_text.mid(m_fed, length);
        slice.replace(QChar::ParagraphSeparator, u'\n');
        m_process->write(slice.toUtf8());
        m_fed += length;
    }
    if (m_fed == m_text.size()) {
        m_process->closeWriteChannel();
        m_inputClosed = true;
        m_text.clear();
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
    m_text.clear();
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
