#pragma once

#include <QFuture>
#include <QList>
#include <QString>
#include <QStringView>

// One problem libtidy found in a page. Line and column are libtidy's: 1-based, a tab reaching to
// the next multiple of eight columns, one column per character.
struct PageProblem {
    enum class Severity { Error, Warning };

    Severity severity = Severity::Warning;
    int line = 0;
    int column = 0;
    QString message;  // libtidy's text, "missing </b> before </p>"
    QString report;   // the whole line as libtidy prints it, position and severity first

    bool operator==(const PageProblem&) const = default;
};

struct PageCheckResult {
    QList<PageProblem> problems;  // in the order of their place in the page
    bool truncated = false;       // more problems were found than are listed
};

// Checks a page's HTML with libtidy and reports its errors and warnings; never changes the text.
class PageChecker {
public:
    // A page can give a warning per line; a list longer than this would only bury the first.
    static constexpr int kMaxProblems = 1000;

    // Runs on any thread. `html` may hold the editor's paragraph separators for line breaks.
    static PageCheckResult check(const QString& html);
    // The same off the user-interface thread, on a copy of `html` (sharing makes it cheap).
    static QFuture<PageCheckResult> checkInBackground(const QString& html);
    // Where libtidy's `column` falls in `line`, as an offset into it (the end when beyond).
    static int offsetOfColumn(QStringView line, int column);
};
