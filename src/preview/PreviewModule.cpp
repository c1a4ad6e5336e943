#include "preview/PreviewModule.h"

#include "preview/PreviewAddress.h"
#include "preview/PreviewPane.h"

#include <QtWebEngineQuick/qtwebenginequickglobal.h>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QWebEngineUrlScheme>

namespace {

// Where the engine looks for its helper program, in its order. Without it the engine ends the
// whole process, so the module looks first.
QStringList helperCandidates() {
    const QString fromEnvironment = qEnvironmentVariable("QTWEBENGINEPROCESS_PATH");
    if (!fromEnvironment.isEmpty())
        return {fromEnvironment};
    const QString name = QStringLiteral("/QtWebEngineProcess");
    return {QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + name,
            QCoreApplication::applicationDirPath() + name};
}

}  // namespace

QString PreviewModule::missingPiece() const {
    for (const QString& candidate : helperCandidates()) {
        if (QFileInfo(candidate).isExecutable())
            return QString();
    }
    return tr(
        "The live preview needs the helper program of Qt WebEngine, QtWebEngineProcess, "
        "which is not installed (on Debian it comes with the package "
        "libqt6webenginecore6-bin).");
}

LivePreviewPane* PreviewModule::createPane(QWidget* parent) {
    startEngine();
    return new PreviewPane(parent);
}

void PreviewModule::startEngine() {
    if (m_started)
        return;
    m_started = true;
    // The engine is loaded long after the application object exists; this makes the shared
    // graphics context it would otherwise have made at the application's start.
    QtWebEngineQuick::initialize();
    QWebEngineUrlScheme scheme(PreviewAddress::kScheme.toUtf8());
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    // Local: pages from the network cannot load its addresses. Local access: the page may
    // load file: addresses as a file read from disk could.
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}
