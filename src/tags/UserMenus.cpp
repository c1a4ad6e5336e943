#include "tags/UserMenus.h"

#include "document/DialogService.h"
#include "document/MenuTable.h"
#include "state/ProgramState.h"
#include "tags/InsertionTarget.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

QString UserMenus::menuName(int menu) {
    return QStringLiteral("user_menu_%1").arg(menu);
}

QString UserMenus::entryName(int menu, int entry) {
    return QStringLiteral("user_menu_%1_%2").arg(menu).arg(entry);
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
            QObject::connect(entry, &QAction::triggered, owner,
                             [&target, entry] { target.typeKeystrokeScript(entry->text()); });
        }
    }
}

void UserMenus::draw(QWidget* owner, const UserMenuFile& definitions) {
    for (int m = 1; m <= UserMenuFile::kMenuCount; ++m) {
        auto* menu = owner->findChild<QMenu*>(menuName(m));
        bool anyShown = false;
        for (int k = 1; k <= UserMenuFile::kEntryCount; ++k) {
            auto* entry = menu->findChild<QAction*>(entryName(m, k));
            const QString line = definitions.entry(m, k);
            entry->setText(line);
            // Entry 1 stays shown: it is reachable only once its submenu is shown.
            entry->setVisible(k == 1 || !line.isEmpty());
            anyShown = anyShown || !line.isEmpty();
        }
        menu->menuAction()->setVisible(anyShown);
    }
}

void UserMenus::load(ProgramState& state, DialogService& dialogs, QWidget* parent) {
    const QString path = state.userMenuFile();
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        state.setUserMenus(UserMenuFile());
        dialogs.showNote(parent, QStringLiteral("Error encountered opening file: \n") + path);
        return;
    }
    // A read error part-way counts as the end of the file: what was read so far is used.
    state.setUserMenus(UserMenuFile::parse(file.readAll()));
}
