#include "tools/PageCheckAnswer.h"

namespace {

const QByteArray kHeader = QByteArrayLiteral("pagelark-check 1");
const QByteArray kMore = QByteArrayLiteral("more");
const QByteArray kEnd = QByteArrayLiteral("end");
const QByteArray kError = QByteArrayLiteral("error");
const QByteArray kWarning = QByteArrayLiteral("warning");
constexpr int kFields = 5;
// libtidy quotes attribute values in some messages; a page's megabyte-long value stays out.
constexpr qsizetype kMaxTextLength = 1000;

// A message on one line of the answer, no longer than the answer allows.
QByteArray field(const QString& text) {
    QString line = text.left(kMaxTextLength);
    if (line.size() == kMaxTextLength && line.back().isHighSurrogate())
        line.chop(1);
    for (QChar& c : line) {
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    }
    return line.toUtf8();
}

// A place in the page: a number from 0 on, or -1 when `text` is not one.
int place(QByteArrayView text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 0 ? value : -1;
}

std::optional<PageProblem> readProblem(QByteArrayView line) {
    const QList<QByteArray> fields = line.toByteArray().split('\t');
    if (fields.size() != kFields || (fields[0] != kError && fields[0] != kWarning))
        return std::nullopt;
    PageProblem problem;
    problem.severity =
        fields[0] == kError ? PageProblem::Severity::Error : PageProblem::Severity::Warning;
    problem.line = place(fields[1]);
    problem.column = place(fields[2]);
    if (problem.line < 0 || problem.column < 0)
        return std::nullopt;
    problem.message = QString::fromUtf8(fields[3]);
    problem.report = QString::fromUtf8(fields[4]);
    return problem;
}

}  // namespace

QByteArray PageCheckAnswer::write(const PageCheckResult& result) {
    QByteArray answer = kHeader + '\n';
    for (const PageProblem& problem : result.problems) {
        answer += problem.severity == PageProblem::Severity::Error ? kError : kWarning;
        answer += '\t' + QByteArray::number(problem.line) + '\t' +
                  QByteArray::number(problem.column) + '\t' + field(problem.message) + '\t' +
                  field(problem.report) + '\n';
    }
    if (result.truncated)
        answer += kMore + '\n';
    return answer + kEnd + '\n';
}

std::optional<PageCheckResult> PageCheckAnswer::read(QByteArrayView answer) {
    if (answer.size() > kMaxBytes || !answer.endsWith('\n'))
        return std::nullopt;
    QList<QByteArray> lines = answer.chopped(1).toByteArray().split('\n');
    if (lines.size() < 2 || lines.front() != kHeader || lines.back() != kEnd)
        return std::nullopt;
    PageCheckResult result;
    result.truncated = lines[lines.size() - 2] == kMore;
    const qsizetype problemLines = lines.size() - 2 - (result.truncated ? 1 : 0);
    if (problemLines > PageCheckResult::kMaxProblems)
        return std::nullopt;
    for (qsizetype i = 1; i <= problemLines; ++i) {
        std::optional<PageProblem> problem = readProblem(lines[i]);
        if (!problem)
            return std::nullopt;
        result.problems << *problem;
    }
    return result;
}
