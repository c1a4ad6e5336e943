#pragma once

class CommonDialog;
class InsertionTarget;
class QMenu;
class QWidget;

// Builds the seven fixed tag submenus into a document window's Insert menu. Each entry types its
// script into the active document; the palette entry first asks `colorDialog`, the window's own
// colour dialog, for a colour and types it as RRGGBB.
namespace TagMenus {

void addTo(QMenu* insertMenu, QWidget* owner, InsertionTarget& target, CommonDialog& colorDialog);

}  // namespace TagMenus
