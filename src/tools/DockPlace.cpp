#include "tools/DockPlace.h"

#include <QDockWidget>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <array>

namespace {

struct SideName {
    DockPlace::Side side;
    const char* name;
    Qt::DockWidgetArea area;
};
constexpr std::array kSides{SideName{DockPlace::Side::Left, "left", Qt::LeftDockWidgetArea},
                            SideName{DockPlace::Side::Right, "right", Qt::RightDockWidgetArea},
                            SideName{DockPlace::Side::Bottom, "bottom", Qt::BottomDockWidgetArea}};

// Larger than any screen: a stored size beyond it was not written by the program.
constexpr int kLargest = 100000;

const SideName& nameOf(DockPlace::Side side) {
    for (const SideName& entry : kSides) {
        if (entry.side == side)
            return entry;
    }
    return kSides[1];
}

// The numbers of `words` from the second on, when all are whole numbers within reason.
std::optional<QList<int>> numbersAfterFirst(const QStringList& words) {
    QList<int> numbers;
    for (qsizetype i = 1; i < words.size(); ++i) {
        bool ok = false;
        const int number = words[i].toInt(&ok);
        if (!ok || qAbs(number) > kLargest)
            return std::nullopt;
        numbers.append(number);
    }
    return numbers;
}

bool onSomeScreen(const QRect& geometry) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(geometry))
            return true;
    }
    return false;
}

}  // namespace

DockPlace DockPlace::of(QDockWidget& dock) {
    DockPlace place;
    if (dock.isFloating()) {
        place.floating = dock.geometry();
        return place;
    }
    const auto* window = qobject_cast<const QMainWindow*>(dock.parentWidget());
    const Qt::DockWidgetArea area =
        window ? window->dockWidgetArea(&dock) : Qt::RightDockWidgetArea;
    for (const SideName& entry : kSides) {
        if (entry.area == area)
            place.side = entry.side;
    }
    place.size = place.side == Side::Bottom ? dock.height() : dock.width();
    return place;
}

DockPlace DockPlace::fromText(const QString& text) {
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const std::optional<QList<int>> numbers = numbersAfterFirst(words);
    DockPlace place;
    if (words.isEmpty() || !numbers)
        return place;
    if (words[0] == QLatin1String("floating")) {
        if (numbers->size() == 4 && numbers->at(2) > 0 && numbers->at(3) > 0)
            place.floating = QRect(numbers->at(0), numbers->at(1), numbers->at(2), numbers->at(3));
        return place;
    }
    for (const SideName& entry : kSides) {
        if (words[0] == QLatin1String(entry.name) && numbers->size() == 1 && numbers->at(0) > 0) {
            place.side = entry.side;
            place.size = numbers->at(0);
        }
    }
    return place;
}

QString DockPlace::toText() const {
    if (floating) {
        return QStringLiteral("floating %1 %2 %3 %4")
            .arg(floating->x())
            .arg(floating->y())
            .arg(floating->width())
            .arg(floating->height());
    }
    return QStringLiteral("%1 %2").arg(QLatin1String(nameOf(side).name)).arg(size);
}

void DockPlace::applyTo(QMainWindow& window, QDockWidget& dock) const {
    window.addDockWidget(nameOf(side).area, &dock);
    if (floating && onSomeScreen(*floating)) {
        dock.setFloating(true);
        dock.setGeometry(*floating);
        dock.show();
        return;
    }
    dock.show();
    const bool below = side == Side::Bottom;
    const int half = (below ? window.height() : window.width()) / 2;
    window.resizeDocks({&dock}, {size > 0 ? size : half}, below ? Qt::Vertical : Qt::Horizontal);
}
