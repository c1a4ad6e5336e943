#pragma once

#include "tools/PageCheckAnswer.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <chrono>

// How to start the checker process; an empty program when there is none.
struct CheckerCommand {
    QString program;
    QStringList arguments;
};

// Where Check Page finds its checker process and how long it may take, and how the places it
// reports map onto the text.
class PageChecker {
public:
    // libtidy takes minutes over pages nested tens of thousands deep; no page a person writes
    // comes near this.
    static constexpr std::chrono::milliseconds kTimeLimit = std::chrono::seconds(60);
    static constexpr QLatin1StringView kProgramName{"pagelark-check"};

    // The checker beside the executable in `executableFolder` (the build folder), else in the
    // installed program's libexec folder; an empty program when neither holds it.
    static CheckerCommand findChecker(const QString& executableFolder);
    // findChecker() for this program.
    static CheckerCommand programChecker();
    // Where libtidy's `column` falls in `line`, as an offset into it (the end when beyond).
    static int offsetOfColumn(QStringView line, int column);
};
