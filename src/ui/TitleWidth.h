#pragma once

#include <QObject>

class QWidget;

// A window manager cuts a title that does not fit beside its buttons ("Surrou…th Tag"), and a
// dialog sized to its fields alone is often narrower than its title. A window given to `keep`
// is widened, if need be, each time it is shown. (A message box sizes itself to its title.)
class TitleWidth : public QObject {
public:
    static void keep(QWidget& window);
    // The width the window needs to show its title whole: the title in the desktop's title font,
    // bold as most window managers draw it, beside room for the frame's icon and buttons.
    static int needed(const QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    // Keeps a resizable window from being narrower than its title needs.
    static void widen(QWidget& window);
};
