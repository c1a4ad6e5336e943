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
            // The caption is read when the entry is chosen, so a reload needs no reconnecting.
            QObject::connect(entry, &QAction::triggered, owner,
                             [&target, entry] { target.typeKeystrokeScript(entry->text()); });
        }
    }
}

void UserMenus::clear(DocumentWindow& doc) {
    for (int m = 1; m <= UserMenuFile::kMenuCount; ++m) {
        for (int k = 1; k <= UserMenuFile::kEntryCount; ++k) {
            QAction* entry = doc.action(entryName(m, k));
            entry->setText(QString());
            // Entry 1 stays shown: it is reachable only once its submenu is shown.
            entry->setVisible(k == 1);
        }
        doc.menu(menuName(m))->menuAction()->setVisible(false);
    }
}

void UserMenus::show(DocumentWindow& doc, int menu, int entry, const QString& line) {
    doc.menu(menuName(menu))->menuAction()->setVisible(true);
    QAction* action = doc.action(entryName(menu, entry));
    action->setText(line);
    action->setVisible(true);
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
