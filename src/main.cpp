#include "app/Program.h"
#include "app/QtDialogService.h"
#include "files/FileWriter.h"
#include "recovery/RecoveryJournal.h"
#include "state/PreferencesStore.h"
#include "state/ProgramFolders.h"
#include "state/ProgramState.h"
#include "ui/ReadableOutlineStyle.h"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>
#include <QTimer>

int main(int argc, char** argv) {
    FileWriter::ignoreFileSizeSignal();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Pagelark"));
    QApplication::setApplicationName(QStringLiteral("Pagelark"));
    QApplication::setDesktopFileName(QStringLiteral("org.pagelark.Pagelark"));
    Q_INIT_RESOURCE(resources);
    ReadableOutlineStyle::install();

    PreferencesStore prefs(PreferencesStore::userSettingsPath());
    const ProgramFolders folders =
        ProgramFolders::resolve(QApplication::applicationDirPath(),
                                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    ProgramState state(prefs, folders);
    // Made before the frame looks for what earlier runs left, so that a run starting at the same
    // time sees this one as alive.
    RecoveryJournal journal(JournalStore::defaultRoot());
    QtDialogService dialogs;
    Program program(state, dialogs, &journal);
    // A command left without its handler, or given two, is a fault of the program itself.
    if (const QStringList faults = program.commands().faults(); !faults.isEmpty())
        qFatal("Command bindings: %s", qPrintable(faults.join(QStringLiteral("; "))));
    // The whole argument string names one file, blanks included.
    program.startUp(QApplication::arguments().mid(1).join(QLatin1Char(' ')));
    // The window's picture comes once the frame is on its way to the screen (decoding it is about
    // a twentieth of the start), and it is the built-in copy, not the icon theme's: a theme look-up
    // reads the theme's whole index, a third of the start, and desktops that show the installed
    // icon find it through the desktop file's name.
    QTimer::singleShot(0, &app, [] {
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/org.pagelark.Pagelark-48.png")));
    });
    return app.exec();
}
