#include "tools/BrowserPreview.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

PreviewStep previewStep(bool untitled, bool changed) {
    if (untitled)
        return PreviewStep::SaveAsFirst;
    return changed ? PreviewStep::SaveFirst : PreviewStep::ShowNow;
}

QUrl previewUrl(const QString& filePath) {
    return QUrl::fromLocalFile(QFileInfo(filePath).absoluteFilePath());
}

namespace {

// `argument` with each "%s" replaced by the address and each "%%" by '%'; `used` is set when
// the address went in.
QString expandArgument(const QString& argument, const QString& address, bool& used) {
    QString expanded;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        const QChar next = i + 1 < argument.size() ? argument.at(i + 1) : QChar();
        if (argument.at(i) == u'%' && next == u's') {
            expanded += address;
            used = true;
            ++i;
        } else if (argument.at(i) == u'%' && next == u'%') {
            expanded += u'%';
            ++i;
        } else {
            expanded += argument.at(i);
        }
    }
    return expanded;
}

}  // namespace

QList<BrowserCommand> browserCommands(const QString& browserVariable, const QUrl& url) {
    const QString address = url.toString(QUrl::FullyEncoded);
    QList<BrowserCommand> commands;
    for (const QString& entry : browserVariable.split(u':', Qt::SkipEmptyParts)) {
        QStringList words = QProcess::splitCommand(entry);
        if (words.isEmpty())
            continue;
        BrowserCommand command{words.takeFirst(), {}};
        bool used = false;
        for (const QString& word : words)
            command.arguments << expandArgument(word, address, used);
        if (!used)
            command.arguments << address;
        commands << command;
    }
    return commands;
}

bool openInBrowser(const QUrl& url) {
    for (const BrowserCommand& command : browserCommands(qEnvironmentVariable("BROWSER"), url)) {
        if (QProcess::startDetached(command.program, command.arguments))
            return true;
    }
    return QDesktopServices::openUrl(url);
}

QString noBrowserMessage(const QString& filePath) {
    return QStringLiteral("No web browser is set up to open\n%1\n\nInstall a web browser, or make "
                          "one the desktop's default web browser (or name it in the BROWSER "
                          "environment variable), then preview again.")
        .arg(filePath);
}
