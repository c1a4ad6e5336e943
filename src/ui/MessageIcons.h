#pragma once

#include "ui/DialogService.h"

#include <QIcon>
#include <QPixmap>

class QStyle;
class QWidget;

// The pictures of the program's message boxes: the icon theme's, by their freedesktop names,
// and the style's own standard icons only where the theme has none.
namespace MessageIcons {

// Nothing for MessageIcon::None.
QIcon icon(MessageIcon kind, const QStyle& style);
// The icon at the style's message box size and the box's device pixel ratio.
QPixmap pixmapFor(MessageIcon kind, const QWidget& box);

}  // namespace MessageIcons
