#include "ui/DialogFront.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

QWidget* DialogFront::owner(QWidget* requested) {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return requested ? requested->window() : nullptr;
}

int DialogFront::exec(QDialog& dialog) {
    // Queued now, run by the dialog's own event loop once it is shown.
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.raise();
        dialog.activateWindow();
    });
    return dialog.exec();
}
