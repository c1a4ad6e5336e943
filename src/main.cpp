#include "app/MainFrame.h"
#include "app/PreferencesStore.h"
#include "document/QtDialogService.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Pagelark"));
    QApplication::setApplicationName(QStringLiteral("Pagelark"));

    const QString settingsPath = QSettings(QSettings::IniFormat, QSettings::UserScope,
                                           QStringLiteral("Pagelark"), QStringLiteral("Pagelark"))
                                     .fileName();
    PreferencesStore prefs(settingsPath);
    QtDialogService dialogs;
    MainFrame frame({prefs, dialogs, QApplication::applicationDirPath()});
    // The whole argument string names one file, blanks included.
    frame.startUp(QApplication::arguments().mid(1).join(QLatin1Char(' ')));
    return app.exec();
}
