#pragma once

#include <QPluginLoader>
#include <QString>
#include <QStringList>

class LivePreviewModule;

// Finds and loads the live preview's module on first use, so that a run that never shows the
// preview neither loads the browser engine nor pays for it. The module lies beside the program
// in the build folder, and in <libdir>/pagelark once installed. Once loaded, it stays loaded:
// the engine cannot be unloaded.
class LivePreviewLoader {
public:
    // The module's file name.
    static QString moduleFileName();
    // Beside the program, then the installed module folder.
    static QStringList defaultFolders();

    explicit LivePreviewLoader(QStringList folders = defaultFolders());

    // The module, loaded at the first call; null when it cannot work here, and then message()
    // says plainly what is missing.
    LivePreviewModule* module();
    QString message() const { return m_message; }

private:
    QString findModule() const;
    static QString loadFailure(const QString& error);

    QStringList m_folders;
    QPluginLoader m_loader;
    LivePreviewModule* m_module = nullptr;
    bool m_tried = false;
    QString m_message;
};
