#include "support/Memory.h"

#include "support/BenchFrame.h"
#include "support/BenchText.h"

#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <cstdio>

qint64 residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QRegularExpression rss(QStringLiteral("VmRSS:\\s*(\\d+)"));
    const auto match = rss.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLongLong() : 0;
}

namespace {

QByteArray procFile(qint64 pid, const char* name) {
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The parent's pid from /proc/<pid>/stat, whose second field (the name) may hold blanks.
qint64 parentOf(qint64 pid) {
    const QByteArray stat = procFile(pid, "stat");
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() : 0;
}

}  // namespace

qint64 childrenResidentKilobytes() {
    QList<qint64> family = {QCoreApplication::applicationPid()};
    QList<qint64> all;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        if (const qint64 pid = entry.toLongLong())
            all.append(pid);
    }
    // Children start after their parents, so one pass in pid order finds grandchildren too.
    std::sort(all.begin(), all.end());
    qint64 total = 0;
    const QRegularExpression pss(QStringLiteral("Pss:\\s*(\\d+)"));
    for (const qint64 pid : all) {
        if (!family.contains(parentOf(pid)))
            continue;
        family.append(pid);
        total +=
            pss.match(QString::fromLatin1(procFile(pid, "smaps_rollup"))).captured(1).toLongLong();
    }
    return total;
}

qint64 probeMemory(const char* program, const char* kind, qint64 bytes, qint64* engines) {
    QProcess child;
    child.start(
        QString::fromLocal8Bit(program),
        {QStringLiteral("--memory-probe=%1").arg(QLatin1String(kind)), QString::number(bytes)});
    if (!child.waitForFinished(300000))
        return 0;
    const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
    if (engines)
        *engines = figures.value(1).toLongLong();
    return figures.value(0).toLongLong();
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
    if (kind == QLatin1String("preview")) {
        BenchFrame frame;
        frame.load(html);
        qint64 engines = 0;
        const qint64 own = previewProcessesKilobytes(*frame.doc()->editor(), &engines);
        std::printf("%lld %lld\n", static_cast<long long>(own), static_cast<long long>(engines));
    } else if (kind == QLatin1String("pagelark") || kind == QLatin1String("plain")) {
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
