#include "tools/BrowserPreview.h"

#include <QFileInfo>

PreviewStep previewStep(bool untitled, bool changed) {
    if (untitled)
        return PreviewStep::SaveAsFirst;
    return changed ? PreviewStep::SaveFirst : PreviewStep::ShowNow;
}

QUrl previewUrl(const QString& filePath) {
    return QUrl::fromLocalFile(QFileInfo(filePath).absoluteFilePath());
}
