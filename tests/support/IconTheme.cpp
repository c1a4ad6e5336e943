#include "support/IconTheme.h"

#include <QDir>
#include <QFile>
#include <QIcon>

OneIconTheme::OneIconTheme(const QString& name, const QString& drawing)
    : m_previousPaths(QIcon::themeSearchPaths()), m_previousName(QIcon::themeName()) {
    QDir(m_folder.path()).mkpath(QStringLiteral("tiny/scalable"));
    QFile index(m_folder.filePath(QStringLiteral("tiny/index.theme")));
    m_valid = index.open(QIODevice::WriteOnly) &&
              index.write(
                  "[Icon Theme]\nName=tiny\nDirectories=scalable\n\n"
                  "[scalable]\nSize=24\nMinSize=8\nMaxSize=256\nType=Scalable\n") > 0;
    index.close();
    m_valid = m_valid && QFile::copy(drawing, m_folder.filePath(QStringLiteral("tiny/scalable/") +
                                                                name + QStringLiteral(".svg")));
    QIcon::setThemeSearchPaths({m_folder.path()});
    QIcon::setThemeName(QStringLiteral("tiny"));
}

OneIconTheme::~OneIconTheme() {
    QIcon::setThemeSearchPaths(m_previousPaths);
    QIcon::setThemeName(m_previousName);
}
