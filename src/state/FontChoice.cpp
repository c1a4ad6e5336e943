#include "state/FontChoice.h"

#include <QFont>
#include <QFontDatabase>

FontChoice FontChoice::systemFixed() {
    const QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return {font.family(), font.pointSizeF(), font.bold(),
            font.italic(), font.underline(),  font.strikeOut()};
}
