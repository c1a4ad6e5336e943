#include "tools/PageChecker.h"

#include <tidy/tidy.h>
#include <tidy/tidybuffio.h>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

namespace {

constexpr int kTidyTabSize = 8;

// Collects libtidy's messages for one run; reached through the document's application data.
struct Collector {
    PageCheckResult result;

    void take(TidyMessage message) {
        PageProblem problem;
        switch (tidyGetMessageLevel(message)) {
            case TidyWarning:
                problem.severity = PageProblem::Severity::Warning;
                break;
            case TidyError:
            case TidyBadDocument:
            case TidyFatal:
                problem.severity = PageProblem::Severity::Error;
                break;
            default:
                return;  // information and summaries are not problems of the page
        }
        if (result.problems.size() >= PageChecker::kMaxProblems) {
            result.truncated = true;
            return;
        }
        problem.line = tidyGetMessageLine(message);
        problem.column = tidyGetMessageColumn(message);
        problem.message = QString::fromUtf8(tidyGetMessage(message)).trimmed();
        problem.report = QString::fromUtf8(tidyGetMessageOutput(message)).trimmed();
        result.problems << problem;
    }
};

Bool TIDY_CALL onTidyMessage(TidyMessage message) {
    auto* collector = static_cast<Collector*>(tidyGetAppData(tidyGetMessageDoc(message)));
    collector->take(message);
    return no;  // reported here, not on libtidy's error output
}

void configure(TidyDoc doc) {
    tidySetInCharEncoding(doc, "utf8");
    tidyOptSetBool(doc, TidyQuiet, yes);
    tidyOptSetBool(doc, TidyShowWarnings, yes);
    tidyOptSetInt(doc, TidyShowErrors, PageChecker::kMaxProblems);
    tidyOptSetInt(doc, TidyTabSize, kTidyTabSize);
}

void sortByPlace(QList<PageProblem>& problems) {
    std::stable_sort(problems.begin(), problems.end(),
                     [](const PageProblem& a, const PageProblem& b) {
                         return std::pair(a.line, a.column) < std::pair(b.line, b.column);
                     });
}

}  // namespace

PageCheckResult PageChecker::check(const QString& html) {
    QString text = html;
    text.replace(QChar::ParagraphSeparator, u'\n');
    QByteArray bytes = text.toUtf8();

    Collector collector;
    TidyDoc doc = tidyCreate();
    TidyBuffer errors;
    tidyBufInit(&errors);
    tidySetErrorBuffer(doc, &errors);
    tidySetAppData(doc, &collector);
    tidySetMessageCallback(doc, onTidyMessage);
    configure(doc);

    TidyBuffer input;
    tidyBufInit(&input);
    // libtidy reads the bytes where they are; attaching copies nothing.
    tidyBufAttach(&input, reinterpret_cast<byte*>(bytes.data()), uint(bytes.size()));
    if (tidyParseBuffer(doc, &input) >= 0)
        tidyCleanAndRepair(doc);
    tidyBufDetach(&input);
    tidyBufFree(&errors);
    tidyRelease(doc);

    sortByPlace(collector.result.problems);
    return collector.result;
}

QFuture<PageCheckResult> PageChecker::checkInBackground(const QString& html) {
    return QtConcurrent::run([html] { return check(html); });
}

int PageChecker::offsetOfColumn(QStringView line, int column) {
    int at = 0;
    int reached = 1;
    while (at < line.size() && reached < column) {
        if (line[at] == u'\t')
            reached += kTidyTabSize - (reached - 1) % kTidyTabSize;
        else
            ++reached;
        // A character outside the basic plane is two code units but one column.
        at += line[at].isHighSurrogate() && at + 1 < line.size() ? 2 : 1;
    }
    return at;
}
