#pragma once

#include "ui/DialogService.h"

class QFileDialog;

// The dialog seam as the user sees it: Qt's message boxes and file, colour and font dialogs, and
// the program's own tag dialog.
class QtDialogService : public DialogService {
public:
    MessageAnswer showMessage(QWidget* parent, const MessageRequest& request) override;
    std::optional<FileDialogResult> showOpen(QWidget* parent,
                                             const FileDialogRequest& request) override;
    std::optional<FileDialogResult> showSave(QWidget* parent,
                                             const FileDialogRequest& request) override;
    std::optional<QColor> showColor(QWidget* parent, const QColor& initial) override;
    std::optional<FontChoice> showFont(QWidget* parent, const FontChoice& initial) override;
    std::optional<QString> askTag(QWidget* parent) override;
    RecoveryChoice showRecovery(QWidget* parent, const RecoveryRequest& request) override;
    std::optional<LineColumn> showGoToLine(QWidget* parent, int lineCount) override;

    // "Text|pattern|Text|pattern" as Qt's name filters ("Text (pattern)"); "*.*" matches every
    // file, with or without an extension.
    static QStringList nameFilters(const QString& filter);
    // Gives a file dialog the request's filters, each listed with its own text only, and selects
    // the requested one.
    static void setFilters(QFileDialog& dialog, const FileDialogRequest& request);
    // The 1-based index in `filter` of the entry the dialog has selected; 0 for none.
    static int selectedFilterIndex(const QFileDialog& dialog, const QString& filter);
};
