#include "builders/BuilderRegistry.h"

#include "builders/AnchorDialog.h"
#include "builders/HorizontalRuleDialog.h"
#include "builders/ImageDialog.h"
#include "builders/ListDialog.h"
#include "builders/ListItemDialog.h"
#include "builders/QuickPageDialog.h"
#include "builders/TableDataDialog.h"
#include "builders/TableDialog.h"
#include "builders/TableRowDialog.h"

QDialog* createBuilder(BuilderKind kind, InsertionTarget& target, DialogService& dialogs,
                       QWidget* parent) {
    switch (kind) {
        case BuilderKind::Anchor:
            return new AnchorDialog(target, parent);
        case BuilderKind::HorizontalRule:
            return new HorizontalRuleDialog(target, parent);
        case BuilderKind::Image:
            return new ImageDialog(target, parent);
        case BuilderKind::List:
            return new ListDialog(target, parent);
        case BuilderKind::ListItem:
            return new ListItemDialog(target, parent);
        case BuilderKind::QuickPage:
            return new QuickPageDialog(target, dialogs, parent);
        case BuilderKind::TableStart:
            return new TableDialog(target, parent);
        case BuilderKind::TableRow:
            return new TableRowDialog(target, parent);
        case BuilderKind::TableData:
            return new TableDataDialog(target, parent);
    }
    return nullptr;
}
