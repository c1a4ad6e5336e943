#pragma once

#include "ui/DialogService.h"

#include <QColor>
#include <QString>

class QWidget;

// One dialog object of a window: it remembers what was set on it and what it returned last, for
// the life of its owner, as the frame's file dialog, each document window's colour and font
// dialog and the quick page builder's dialogs do. A cancelled dialog leaves every value as it was.
class CommonDialog {
public:
    CommonDialog(DialogService& service, QWidget* owner);

    // Each returns false when the user cancelled.
    bool showOpen();
    bool showSave();
    bool showColor();
    bool showFont();

    QString fileName;   // full path
    QString folder;     // where an open or save dialog starts while fileName is empty
    QString fileTitle;  // bare name of the file
    QString filter;     // "Text|pattern|..."
    int filterIndex = 1;
    QColor color = Qt::black;
    FontChoice font;

private:
    bool takeFile(const std::optional<FileDialogResult>& result);

    DialogService& m_service;
    QWidget* m_owner;
};
