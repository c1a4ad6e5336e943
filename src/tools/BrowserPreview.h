#pragma once

#include <QString>
#include <QUrl>

// The browser reads the document's file, so what it shows must be saved: a document with
// unsaved changes is saved first, an untitled one first gets a name through Save As.
enum class PreviewStep { ShowNow, SaveFirst, SaveAsFirst };

PreviewStep previewStep(bool untitled, bool changed);

// The address the browser is given for the document's file.
QUrl previewUrl(const QString& filePath);
