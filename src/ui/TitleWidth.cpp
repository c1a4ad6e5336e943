#include "ui/TitleWidth.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QStyle>
#include <QWidget>

namespace {

// The frame's icon and its minimise, maximise and close buttons, each about as wide as the
// title bar is high; a window manager that centres the title needs the same room on its far side.
constexpr int kDecorationSquares = 4;

}  // namespace

void TitleWidth::keep(QWidget& window) {
    window.installEventFilter(new TitleWidth(&window));
}

int TitleWidth::needed(const QWidget& window) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const int title = QFontMetrics(font).horizontalAdvance(window.windowTitle());
    const int square = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    return title + kDecorationSquares * square;
}

bool TitleWidth::eventFilter(QObject* watched, QEvent* event) {
    // Before the window is mapped and before a dialog centres itself on its owner.
    if (event->type() == QEvent::Show)
        widen(*static_cast<QWidget*>(watched));
    return QObject::eventFilter(watched, event);
}

void TitleWidth::widen(QWidget& window) {
    // A window of fixed size keeps the size its layout gives it.
    const int width = needed(window);
    if (window.width() < width && window.minimumWidth() != window.maximumWidth())
        window.setMinimumWidth(width);
}
