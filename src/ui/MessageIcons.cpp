#include "ui/MessageIcons.h"

#include <QStyle>
#include <QWidget>

namespace {

struct IconRow {
    MessageIcon kind;
    QStyle::StandardPixmap standard;
    const char* names[2];  // theme names, the usual one first
};
const IconRow kIcons[] = {
    {MessageIcon::Information, QStyle::SP_MessageBoxInformation, {"dialog-information", ""}},
    {MessageIcon::Exclamation, QStyle::SP_MessageBoxWarning, {"dialog-warning", ""}},
    {MessageIcon::Question, QStyle::SP_MessageBoxQuestion, {"dialog-question", "help-browser"}},
    {MessageIcon::Critical, QStyle::SP_MessageBoxCritical, {"dialog-error", ""}},
};

}  // namespace

QIcon MessageIcons::icon(MessageIcon kind, const QStyle& style) {
    for (const IconRow& row : kIcons) {
        if (row.kind != kind)
            continue;
        for (const char* name : row.names) {
            if (*name && QIcon::hasThemeIcon(QLatin1String(name)))
                return QIcon::fromTheme(QLatin1String(name));
        }
        return style.standardIcon(row.standard);
    }
    return QIcon();
}

QPixmap MessageIcons::pixmapFor(MessageIcon kind, const QWidget& box) {
    const QIcon found = icon(kind, *box.style());
    if (found.isNull())
        return QPixmap();
    const int side = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    return found.pixmap(QSize(side, side), box.devicePixelRatioF());
}
