// pagelark_bench: runs every benchmark headless, then prints the ratios of the program's paths
// to their floors, and the memory comparison.
#include "support/BenchFrame.h"
#include "support/BenchText.h"
#include "support/Memory.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <cstdio>
#include <map>
#include <string>

namespace {

// Keeps each run's time per iteration, in nanoseconds, by name.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (!run.error_occurred && run.iterations > 0) {
                const double toNs = benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
                times[run.benchmark_name()] = run.GetAdjustedRealTime() * toNs;
                cpuTimes[run.benchmark_name()] = run.GetAdjustedCPUTime() * toNs;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
    std::map<std::string, double> cpuTimes;  // of the user-interface thread
};

// Pairs "name/Pagelark/size" with "name/Bare/size" and start-up with its floor.
void printRatios(const std::map<std::string, double>& times) {
    std::printf("\nRatios (program / floor; per-edit budget 1.5, start-up 1.5):\n");
    for (const auto& [name, time] : times) {
        const auto at = name.find("/Pagelark");
        if (at == std::string::npos)
            continue;
        std::string floorName = name;
        floorName.replace(at, 9, "/Bare");
        const auto floor = times.find(floorName);
        if (floor != times.end() && floor->second > 0)
            std::printf("  %-44s %6.2f\n", name.c_str(), time / floor->second);
    }
    // The program as it ships (colouring and line numbers on) against itself without them.
    const std::pair<const char*, const char*> kAidPairs[] = {
        {"openFile/Pagelark/20000000", "openPlain/20000000"},
        {"typing/Pagelark/1000", "typingPlain/1000"},
        {"typing/Pagelark/20000000", "typingPlain/20000000"},
        {"caretLine/Pagelark/1000", "caretLine/NoHighlight/1000"},
        {"caretLine/Pagelark/20000000", "caretLine/NoHighlight/20000000"},
        {"typingAids/On/1000", "typingAids/Off/1000"},
        {"typingAids/On/20000000", "typingAids/Off/20000000"},
        {"typingInTag/On/1000", "typingInTag/Off/1000"},
        {"typingInTag/On/20000000", "typingInTag/Off/20000000"},
        {"typingMarked/Marked/1000", "typingMarked/Unmarked/1000"},
        {"typingMarked/Marked/20000000", "typingMarked/Unmarked/20000000"},
        // Painting a folded page against the same page unfolded.
        {"scrollFolded/Folded/iterations:2000", "scrollFolded/Unfolded/iterations:2000"},
        {"paintOverFold/Folded", "paintOverFold/Unfolded"},
        {"paintOverFold/FoldedPlain", "paintOverFold/UnfoldedPlain"},
    };
    for (const auto& [with, without] : kAidPairs) {
        const auto aided = times.find(with);
        const auto plain = times.find(without);
        if (aided != times.end() && plain != times.end() && plain->second > 0)
            std::printf("  %-44s %6.2f (against %s)\n", with, aided->second / plain->second,
                        without);
    }
    const std::pair<const char*, const char*> kStartPairs[] = {
        {"startupPagelark", "startupFloor"},
        {"firstPaintPagelark/manual_time", "firstPaintFloor/manual_time"},
    };
    for (const auto& [program, bare] : kStartPairs) {
        const auto ours = times.find(program);
        const auto floor = times.find(bare);
        if (ours != times.end() && floor != times.end() && floor->second > 0)
            std::printf("  %-44s %6.2f\n", program, ours->second / floor->second);
    }
}

// The median of a benchmark's repetitions, by the name it was registered with; 0 when it did not
// run.
double median(const std::map<std::string, double>& times, const std::string& name) {
    for (const auto& [run, time] : times) {
        if (run.rfind(name + "/repeats:", 0) == 0 && run.ends_with("_median"))
            return time;
    }
    return 0;
}

// A key with the live preview open against closed, in wall-clock and user-interface thread time.
void printPreviewRatios(const RecordingReporter& reporter) {
    std::printf("\nLive preview open / closed, per key (budget 1.1; wall-clock, UI thread):\n");
    for (const char* size : {"1000", "1000000"}) {
        const std::string open = std::string("previewTyping/Open/") + size;
        const std::string closed = std::string("previewTyping/Closed/") + size;
        const double closedTime = median(reporter.times, closed);
        const double closedCpu = median(reporter.cpuTimes, closed);
        if (closedTime > 0 && closedCpu > 0)
            std::printf("  %-44s %6.2f %6.2f\n", open.c_str(),
                        median(reporter.times, open) / closedTime,
                        median(reporter.cpuTimes, open) / closedCpu);
    }
}

void printStartup(const char* program) {
    constexpr int kRuns = 10;
    const double ours = probeStartup(program, "pagelark", kRuns);
    const double plain = probeStartup(program, "plain", kRuns);
    const double floor = probeStartup(program, "floor", kRuns);
    std::printf("\nStart-up of a whole process to a shown, idle window (budget 1.5):\n");
    std::printf("  Pagelark %.1f ms, empty QMainWindow + QMdiArea %.1f ms, ratio %.2f\n", ours,
                floor, floor > 0 ? ours / floor : 0.0);
    std::printf("  without colouring and line numbers %.1f ms, ratio %.2f to it\n", plain,
                plain > 0 ? ours / plain : 0.0);
}

void printMemory(const char* program) {
    constexpr qint64 kBytes = 20000000;
    const qint64 ours = probeMemory(program, "pagelark", kBytes);
    const qint64 bare = probeMemory(program, "bare", kBytes);
    const qint64 plain = probeMemory(program, "plain", kBytes);
    std::printf("\nMemory with a 20 MB document open (budget 1.3):\n");
    std::printf("  Pagelark (every line lexed) %lld KB, bare QPlainTextEdit %lld KB, ratio %.2f\n",
                static_cast<long long>(ours), static_cast<long long>(bare),
                bare > 0 ? double(ours) / double(bare) : 0.0);
    std::printf("  without colouring and line numbers %lld KB, ratio %.2f\n",
                static_cast<long long>(plain), bare > 0 ? double(plain) / double(bare) : 0.0);
    const qsizetype lines = benchHtml(kBytes).count('\n') + 1;
    std::printf("  colouring and line numbers keep %.1f bytes per line (%lld lines)\n",
                double(ours - plain) * 1024 / double(lines), static_cast<long long>(lines));

    constexpr qint64 kPreviewBytes = 1000000;
    qint64 engines = 0;
    const qint64 previewOpen = probeMemory(program, "preview", kPreviewBytes, &engines);
    const qint64 previewClosed = probeMemory(program, "pagelark", kPreviewBytes);
    std::printf("\nMemory with a 1 MB document and the live preview open:\n");
    std::printf(
        "  Pagelark %lld KB (%lld KB with the preview closed), the browser engine's "
        "processes %lld KB more (proportional set size)\n",
        static_cast<long long>(previewOpen), static_cast<long long>(previewClosed),
        static_cast<long long>(engines));
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 2 && QByteArray(argv[1]).startsWith("--startup-probe="))
        return runStartupProbe(QString::fromLatin1(argv[1] + 16));
    if (argc == 3 && QByteArray(argv[1]).startsWith("--memory-probe="))
        return runMemoryProbe(QString::fromLatin1(argv[1] + 15), QByteArray(argv[2]).toLongLong());

    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    releasePairs();
    printRatios(reporter.times);
    printPreviewRatios(reporter);
    printStartup(argv[0]);
    printMemory(argv[0]);
    benchmark::Shutdown();
    return 0;
}
