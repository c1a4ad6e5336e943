#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <optional>

// One problem libtidy found in a page. Line and column are libtidy's: 1-based, a tab reaching to
// the next multiple of eight columns, one column per character.
struct PageProblem {
    enum class Severity { Error, Warning };
    static constexpr int kTabSize = 8;

    Severity severity = Severity::Warning;
    int line = 0;
    int column = 0;
    QString message;  // libtidy's text, "missing </b> before </p>"
    QString report;   // the whole line as libtidy prints it, position and severity first

    bool operator==(const PageProblem&) const = default;
};

struct PageCheckResult {
    // A page can give a warning per line; a list longer than this would only bury the first.
    static constexpr int kMaxProblems = 1000;

    QList<PageProblem> problems;  // in the order of their place in the page
    bool truncated = false;       // more problems were found than are listed

    bool operator==(const PageCheckResult&) const = default;
};

// What the checker process (pagelark-check) writes on its output, and how the editor reads it.
// UTF-8 lines: a first line naming the format, one line per problem with tab-separated fields
// (severity, line, column, message, report), "more" when the list was cut, and "end" last, so
// that an answer cut short by a crash is told apart from a page without problems.
namespace PageCheckAnswer {

// The most an answer can take (each of its texts is cut to a length that fits); anything longer
// is not an answer from the checker.
constexpr qsizetype kMaxBytes = 8 * 1024 * 1024;

QByteArray write(const PageCheckResult& result);
// The result `answer` holds, or nothing when it is not a whole answer in this format.
std::optional<PageCheckResult> read(QByteArrayView answer);

}  // namespace PageCheckAnswer
