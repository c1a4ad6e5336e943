#include "tags/UserMenus.h"

#include "app/MainFrame.h"
#include "app/RecentFiles.h"
#include "document/DocumentWindow.h"
#include "document/FileCommands.h"
#include "document/MenuTable.h"
#include "tags/InsertionTarget.h"
#include "tags/UserMenuFile.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>

namespace {

QString menuName(int menu) {
    return QStringLiteral("usrdef%1").arg(menu);
}

}  // namespace

QString UserMenus::entryName(int menu, int entry) {
    return QStringLiteral("ud%1_%2").arg(menu).arg(entry);
}

void UserMenus::addTo(QMenu* insertMenu, QWidget* owner, InsertionTarget& target) {
    for (int m = 1; m <= UserMenuFile::kMenuCount; ++m) {
        const QByteArray name = menuName(m).toLatin1();
        const QByteArray caption = QStringLiteral("User Defined &%1").arg(m).toLatin1();
        QMenu* menu = MenuTable::addMenu(owner, insertMenu, name.constData(), caption.constData());
        menu->menuAction()->setVisible(false);
        for (int k = 1; k <= UserMenuFile::kEntryCount; ++k) {
            QAction* entry = menu->addAction(QString());
            entry->setObjectName(entryName(m, k));
            entry->setVisible(k == 1);
            // The line is read when the entry is chosen, so a reload needs no reconnecting.
            QObject::connect(entry, &QAction::triggered, owner, [&target, entry] {
                target.typeKeystrokeScript(entry->data().toString());
            });
        }
    }
}

void UserMenus::clear(DocumentWindow& doc) {
    for (int m = 1; m <= UserMenuFile::kMenuCount; ++m) {
        for (int k = 1; k <= UserMenuFile::kEntryCount; ++k) {
            QAction* entry = doc.action(entryName(m, k));
            entry->setText(QString());
            entry->setData(QString());
            // Entry 1 stays shown: it is reachable only once its submenu is shown.
            entry->setVisible(k == 1);
        }
        doc.menu(menuName(m))->menuAction()->setVisible(false);
    }
}

void UserMenus::show(DocumentWindow& doc, int menu, int entry, const QString& line) {
    doc.menu(menuName(menu))->menuAction()->setVisible(true);
    QAction* action = doc.action(entryName(menu, entry));
    action->setText(caption(line, QFontMetrics(doc.menu(menuName(menu))->font())));
    action->setData(line);
    action->setVisible(true);
}

QString UserMenus::caption(const QString& line, const QFontMetrics& metrics) {
    // No entry needs to be wider than this; measuring only a prefix keeps a huge line from
    // taking as long to show as to lay out. The prefix is wide enough to fill the width even
    // with the narrowest characters, and ends in an ellipsis when the line goes on.
    constexpr int kWidestInAverageCharacters = 100;
    constexpr qsizetype kMeasuredPrefix = 4 * kWidestInAverageCharacters;
    QString shown = line.left(kMeasuredPrefix);
    if (shown.size() < line.size()) {
        if (shown.back().isHighSurrogate())
            shown.chop(1);
        shown += QChar(0x2026);
    }
    shown = metrics.elidedText(shown, Qt::ElideRight,
                               metrics.averageCharWidth() * kWidestInAverageCharacters);
    // The line is shown as written: an '&' is not an access key.
    return shown.replace(QLatin1Char('&'), QLatin1String("&&"));
}

void UserMenus::load(MainFrame& frame) {
    const QList<DocumentWindow*> windows = frame.documents().openWindows();
    for (DocumentWindow* doc : windows)
        clear(*doc);
    const QString path = frame.userMenuFile(fileName());
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        frame.showMessage(QStringLiteral("Error encountered opening file: \n") + path);
        return;
    }
    // A read error part-way counts as the end of the file: what was read so far is used.
    const UserMenuFile definitions = UserMenuFile::parse(file.readAll());
    for (int m = 1; m <= UserMenuFile::kMenuCount; ++m) {
        for (int k = 1; k <= UserMenuFile::kEntryCount; ++k) {
            const QString line = definitions.entry(m, k);
            if (line.isEmpty())
                continue;
            for (DocumentWindow* doc : windows)
                show(*doc, m, k, line);
        }
    }
}

void UserMenus::editFile(MainFrame& frame) {
    frame.fileCommands().openDocumentFile(frame.userMenuFile(fileName()));
    frame.recentFiles().rebuildMenus();
}
