#include "app/Program.h"
#include "app/QtDialogService.h"
#include "files/FileWriter.h"
#include "recovery/RecoveryJournal.h"
#include "state/PreferencesStore.h"
#include "state/ProgramFolders.h"
#include "state/ProgramState.h"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>

int main(int argc, char** argv) {
    FileWriter::ignoreFileSizeSignal();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Pagelark"));
    QApplication::setApplicationName(QStringLiteral("Pagelark"));
    QApplication::setDesktopFileName(QStringLiteral("org.pagelark.Pagelark"));
    Q_INIT_RESOURCE(resources);
    // The installed theme icon, or the built-in copy when run from the build folder.
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("org.pagelark.Pagelark"),
                         QIcon(QStringLiteral(":/icons/org.pagelark.Pagelark-48.png"))));

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
    return app.exec();
}
