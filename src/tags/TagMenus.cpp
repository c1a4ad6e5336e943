#include "tags/TagMenus.h"

#include "tags/ColorText.h"
#include "tags/InsertionTarget.h"
#include "tags/TagMenuTable.h"
#include "ui/CommonDialog.h"
#include "ui/MenuTable.h"

#include <QAction>
#include <QMenu>

namespace {

void typePaletteColor(InsertionTarget& target, CommonDialog& colorDialog) {
    // A cancelled chooser keeps the colour it held, and that colour is typed.
    colorDialog.showColor();
    target.typeKeystrokeScript(htmlHexColor(colorDialog.color));
}

}  // namespace

void TagMenus::addTo(QMenu* insertMenu, QWidget* owner, InsertionTarget& target,
                     CommonDialog& colorDialog) {
    for (const TagMenu& tagMenu : tagMenuTable()) {
        QMenu* menu = MenuTable::addMenu(owner, insertMenu, tagMenu.name, tagMenu.caption);
        for (const TagMenuEntry& entry : tagMenu.entries) {
            QAction* action = MenuTable::addEntry(menu, {entry.name, entry.caption});
            if (entry.kind == TagEntryKind::Tag) {
                const QString script = QString::fromUtf8(entry.script);
                QObject::connect(action, &QAction::triggered, owner,
                                 [&target, script] { target.typeKeystrokeScript(script); });
            } else if (entry.kind == TagEntryKind::Palette) {
                QObject::connect(action, &QAction::triggered, owner, [&target, &colorDialog] {
                    typePaletteColor(target, colorDialog);
                });
            }
        }
    }
}
