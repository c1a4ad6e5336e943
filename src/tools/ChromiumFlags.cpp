#include "tools/ChromiumFlags.h"

#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>

namespace {

constexpr char kVariable[] = "QTWEBENGINE_CHROMIUM_FLAGS";

QByteArray flagName(const QByteArray& flag) {
    const qsizetype equals = flag.indexOf('=');
    return equals < 0 ? flag : flag.first(equals);
}

// Tries, in a child process, what the sandbox does first: a new user, process and network
// namespace. The child is single-threaded, as making a user namespace requires.
bool userNamespacesWork() {
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0)
        _exit(unshare(CLONE_NEWUSER | CLONE_NEWPID | CLONE_NEWNET) == 0 ? 0 : 1);
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

QByteArray ChromiumFlags::withFlags(const QByteArray& flags, const QByteArrayList& needed) {
    QByteArrayList names;
    for (const QByteArray& flag : flags.simplified().split(' '))
        names.append(flagName(flag));
    QByteArray result = flags.trimmed();
    for (const QByteArray& flag : needed) {
        if (names.contains(flagName(flag)))
            continue;
        if (!result.isEmpty())
            result += ' ';
        result += flag;
    }
    return result;
}

bool ChromiumFlags::sandboxCanWork() {
    static const bool works = geteuid() != 0 && userNamespacesWork();
    return works;
}

QByteArrayList ChromiumFlags::needed() {
    if (sandboxCanWork())
        return {};
    return {QByteArrayLiteral("--no-sandbox")};
}

void ChromiumFlags::addNeededToEnvironment() {
    const QByteArray flags = withFlags(qgetenv(kVariable), needed());
    if (!flags.isEmpty())
        qputenv(kVariable, flags);
}
