#include "tools/LivePreviewLoader.h"

#include "tools/ChromiumFlags.h"
#include "ui/LivePreviewPane.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef PAGELARK_PREVIEW_MODULE_DIR
#define PAGELARK_PREVIEW_MODULE_DIR "../lib/pagelark"
#endif

QString LivePreviewLoader::moduleFileName() {
    return QStringLiteral("pagelark-preview.so");
}

QStringList LivePreviewLoader::defaultFolders() {
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.path(),
            QDir::cleanPath(program.filePath(QStringLiteral(PAGELARK_PREVIEW_MODULE_DIR)))};
}

LivePreviewLoader::LivePreviewLoader(QStringList folders) : m_folders(std::move(folders)) {}

LivePreviewModule* LivePreviewLoader::module() {
    if (m_tried)
        return m_module;
    m_tried = true;
    const QString path = findModule();
    if (path.isEmpty()) {
        m_message = QCoreApplication::translate(
                        "LivePreviewLoader",
                        "The live preview is not installed: its module, %1, is in none of "
                        "these folders: %2.")
                        .arg(moduleFileName(), m_folders.join(QStringLiteral(", ")));
        return nullptr;
    }
    // The engine reads its flags once, when it starts.
    ChromiumFlags::addNeededToEnvironment();
    m_loader.setFileName(path);
    auto* module = qobject_cast<LivePreviewModule*>(m_loader.instance());
    if (!module) {
        m_message = loadFailure(m_loader.errorString());
        return nullptr;
    }
    m_message = module->missingPiece();
    if (m_message.isEmpty())
        m_module = module;
    return m_module;
}

QString LivePreviewLoader::findModule() const {
    for (const QString& folder : m_folders) {
        const QFileInfo file(QDir(folder).filePath(moduleFileName()));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return QString();
}

QString LivePreviewLoader::loadFailure(const QString& error) {
    if (error.contains(QLatin1String("WebEngine")))
        return QCoreApplication::translate(
                   "LivePreviewLoader",
                   "The live preview needs Qt WebEngine, which is not installed (on Debian: "
                   "the package libqt6webenginewidgets6). %1")
            .arg(error);
    return QCoreApplication::translate("LivePreviewLoader",
                                       "The live preview's module could not be loaded: %1")
        .arg(error);
}
