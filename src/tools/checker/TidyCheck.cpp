#include "tools/checker/TidyCheck.h"

#include <tidy/tidy.h>
#include <tidy/tidybuffio.h>
#include <algorithm>

namespace {

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
        if (result.problems.size() >= PageCheckResult::kMaxProblems) {
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
    tidyOptSetInt(doc, TidyShowErrors, PageCheckResult::kMaxProblems);
    tidyOptSetInt(doc, TidyTabSize, PageProblem::kTabSize);
}

void sortByPlace(QList<PageProblem>& problems) {
    std::stable_sort(problems.begin(), problems.end(),
                     [](const PageProblem& a, const PageProblem& b) {
                         return std::pair(a.line, a.column) < std::pair(b.line, b.column);
                     });
}

}  // namespace

PageCheckResult checkWithTidy(QByteArray utf8) {
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
    tidyBufAttach(&input, reinterpret_cast<byte*>(utf8.data()), uint(utf8.size()));
    if (tidyParseBuffer(doc, &input) >= 0)
        tidyCleanAndRepair(doc);
    tidyBufDetach(&input);
    tidyBufFree(&errors);
    tidyRelease(doc);

    sortByPlace(collector.result.problems);
    return collector.result;
}
