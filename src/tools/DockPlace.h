#pragma once

#include <QRect>
#include <QString>
#include <optional>

class QDockWidget;
class QMainWindow;

// Where a dock was left: beside or below the main window's central area with its size across
// (width beside, height below), or floating with its own geometry. Kept as a short text in the
// preferences, for example "right 480", "bottom 300" or "floating 100 80 600 500".
struct DockPlace {
    enum class Side { Left, Right, Bottom };
    Side side = Side::Right;
    int size = 0;  // 0: half the main window
    std::optional<QRect> floating;

    // Where `dock` is now, in the main window that holds it.
    static DockPlace of(QDockWidget& dock);
    // Anything unreadable or out of reason gives the default place (right, half the window).
    static DockPlace fromText(const QString& text);
    QString toText() const;

    // Puts `dock` into `window` there; a floating place keeps at least part of the dock on a
    // screen, since the screens may have changed since.
    void applyTo(QMainWindow& window, QDockWidget& dock) const;
};
