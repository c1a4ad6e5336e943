#pragma once

#include <QString>

// Where the program finds readme.txt and keeps userdef.dat and userdef.bak.
//
// Run from its build folder, the executable's own folder holds readme.txt and serves for both.
// Installed, readme.txt and the shipped userdef.dat are read from the data folder beside the
// executable's (<prefix>/share/pagelark), and the user's userdef.dat and its backup live in a
// folder of the user's own, seeded with the shipped file on first use, so that editing, updating
// and backing up never write into system folders.
struct ProgramFolders {
    QString readmeFolder;
    QString userMenuFolder;

    // `userDataFolder` is the per-user folder (QStandardPaths::AppDataLocation in the program).
    static ProgramFolders resolve(const QString& executableFolder, const QString& userDataFolder);
    // The data folder of an installed executable: <prefix>/share/pagelark for <prefix>/bin.
    static QString installedDataFolder(const QString& executableFolder);
    // Copies the shipped userdef.dat into the user's folder unless the user has one already.
    // Returns false only when a copy was needed and failed.
    static bool seedUserMenuFile(const QString& shippedFolder, const QString& userFolder);
};
