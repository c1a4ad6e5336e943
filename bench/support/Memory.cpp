#include "support/Memory.h"

#include "support/BenchFrame.h"
#include "support/BenchText.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <cstdio>

qint64 residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QRegularExpression rss(QStringLiteral("VmRSS:\\s*(\\d+)"));
    const auto match = rss.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLongLong() : 0;
}

qint64 probeMemory(const char* program, const char* kind, qint64 bytes) {
    QProcess child;
    child.start(
        QString::fromLocal8Bit(program),
        {QStringLiteral("--memory-probe=%1").arg(QLatin1String(kind)), QString::number(bytes)});
    if (!child.waitForFinished(300000))
        return 0;
    return child.readAllStandardOutput().trimmed().toLongLong();
}

namespace {

// Lets the program settle as a user's idle program would, past the work it leaves for later
// (the recovery journal packs an unchanged file's bytes a moment after it was shown).
void idleAWhile() {
    QEventLoop loop;
    QTimer::singleShot(2500, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int runMemoryProbe(const QString& kind, qint64 bytes) {
    const QByteArray html = benchHtml(bytes);
    if (kind == QLatin1String("pagelark") || kind == QLatin1String("plain")) {
        BenchFrame frame;
        if (kind == QLatin1String("plain"))
            frame.setEditorAids(false, false);
        frame.load(html);
        idleAWhile();
        std::printf("%lld\n", static_cast<long long>(residentKilobytes()));
    } else {
        BareEditor bare;
        bare.load(html);
        idleAWhile();
        std::printf("%lld\n", static_cast<long long>(residentKilobytes()));
    }
    return 0;
}

double probeStartup(const char* program, const char* kind, int runs) {
    qint64 total = 0;
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        QElapsedTimer timer;
        timer.start();
        child.start(QString::fromLocal8Bit(program),
                    {QStringLiteral("--startup-probe=%1").arg(QLatin1String(kind))});
        if (!child.waitForFinished(60000))
            return 0;
        total += timer.nsecsElapsed();
    }
    return total / 1e6 / runs;
}

int runStartupProbe(const QString& kind) {
    if (kind == QLatin1String("pagelark") || kind == QLatin1String("plain")) {
        BenchFrame frame(kind == QLatin1String("pagelark"));
        settle();
    } else {
        QMainWindow window;
        window.setCentralWidget(new QMdiArea);
        window.resize(470, 387);
        window.show();
        settle();
    }
    return 0;
}
