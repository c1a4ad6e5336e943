#include "app/Twips.h"

#include <QGuiApplication>
#include <QScreen>

double Twips::logicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}
