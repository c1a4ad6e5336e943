// pagelark-check: reads a page (UTF-8) on its input and writes the problems libtidy finds in it
// on its output, in the format of PageCheckAnswer. The editor runs it for Check Page, so that a
// page that crashes libtidy or keeps it busy for minutes costs the editor nothing.
#include "tools/PageCheckAnswer.h"
#include "tools/checker/TidyCheck.h"

#include <QFile>
#include <cstdio>

#ifdef __linux__
#include <sys/prctl.h>
#include <csignal>
#endif

int main() {
#ifdef __linux__
    // An editor that is killed cannot end its check: the check ends with it.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
    QFile in;
    QFile out;
    if (!in.open(stdin, QIODevice::ReadOnly) || !out.open(stdout, QIODevice::WriteOnly))
        return 2;
    const QByteArray answer = PageCheckAnswer::write(checkWithTidy(in.readAll()));
    return out.write(answer) == answer.size() && out.flush() ? 0 : 1;
}
