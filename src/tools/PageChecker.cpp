#include "tools/PageChecker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

CheckerCommand PageChecker::findChecker(const QString& executableFolder) {
    const QDir folder(executableFolder);
    // The installed folder, relative to the executable's, comes from the build's install rules.
    for (const QString& candidate :
         {folder.filePath(kProgramName),
          folder.filePath(QStringLiteral(PAGELARK_INSTALLED_CHECKER) + u'/' + kProgramName)}) {
        const QFileInfo file(candidate);
        if (file.isFile() && file.isExecutable())
            return {QDir::cleanPath(file.absoluteFilePath()), {}};
    }
    return {};
}

CheckerCommand PageChecker::programChecker() {
    return findChecker(QCoreApplication::applicationDirPath());
}

int PageChecker::offsetOfColumn(QStringView line, int column) {
    int at = 0;
    int reached = 1;
    while (at < line.size() && reached < column) {
        if (line[at] == u'\t')
            reached += PageProblem::kTabSize - (reached - 1) % PageProblem::kTabSize;
        else
            ++reached;
        // A character outside the basic plane is two code units but one column.
        at += line[at].isHighSurrogate() && at + 1 < line.size() ? 2 : 1;
    }
    return at;
}
