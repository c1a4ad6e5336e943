#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

// The browser reads the document's file, so what it shows must be saved: a document with
// unsaved changes is saved first, an untitled one first gets a name through Save As.
enum class PreviewStep { ShowNow, SaveFirst, SaveAsFirst };

PreviewStep previewStep(bool untitled, bool changed);

// The address the browser is given for the document's file.
QUrl previewUrl(const QString& filePath);

// One way of starting a browser: a program and its arguments.
struct BrowserCommand {
    QString program;
    QStringList arguments;

    bool operator==(const BrowserCommand&) const = default;
};

// The commands a BROWSER variable names for `url`, in the order to try them. By the usual
// convention the variable holds commands separated by ':', each with its own arguments; "%s"
// in one stands for the address ("%%" for a '%'), and a command without it gets the address
// as its last argument.
QList<BrowserCommand> browserCommands(const QString& browserVariable, const QUrl& url);

// Starts the first browser BROWSER names that can be started, else the desktop's default one,
// on `url`, without waiting for it; false when none could be started.
bool openInBrowser(const QUrl& url);

// What the user is told when no browser took the file.
QString noBrowserMessage(const QString& filePath);
