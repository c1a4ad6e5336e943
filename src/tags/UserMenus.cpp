#include "tags/UserMenus.h"

#include "state/ProgramState.h"
#include "tags/InsertionTarget.h"
#include "ui/DialogService.h"
#include "ui/MenuTable.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
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
            QObject::connect(entry, &QAction::triggered, owner, [&target, entry] {
                target.typeKeystrokeScript(entry->data().toString());
            });
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
            entry->setText(caption(line, QFontMetrics(menu->font())));
            entry->setData(line);
            // Entry 1 stays shown: it is reachable only once its submenu is shown.
            entry->setVisible(k == 1 || !line.isEmpty());
            anyShown = anyShown || !line.isEmpty();
        }
        menu->menuAction()->setVisible(anyShown);
    }
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
    // Measuring costs a text layout per entry; a line too short to reach the width even in its
    // font's widest character is not measured.
    const int widest = metrics.averageCharWidth() * kWidestInAverageCharacters;
    if (shown.size() * metrics.maxWidth() > widest)
        shown = metrics.elidedText(shown, Qt::ElideRight, widest);
    // The line is shown as written: an '&' is not an access key.
    return shown.replace(QLatin1Char('&'), QLatin1String("&&"));
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
