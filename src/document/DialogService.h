#pragma once

#include "state/FontChoice.h"

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

// Every modal message box and every open, save, colour and font dialog of the program goes
// through this seam. The program shows Qt's dialogs; tests script the answers.

enum class MessageButtons { Ok, OkCancel, YesNoCancel };
enum class MessageIcon { None, Information, Exclamation, Question, Critical };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
    QString text;
    QString title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

// A file dialog's set-up: the filter is "Text|pattern|Text|pattern..." and the index is 1-based.
struct FileDialogRequest {
    QString filter;
    int filterIndex = 1;
    QString fileName;
    // Where the dialog opens while no file name is given; empty leaves it to the dialog.
    QString folder = {};
};

struct FileDialogResult {
    QString path;         // full path of the chosen file
    int filterIndex = 1;  // 1-based index of the filter shown when the user chose
};

class DialogService {
public:
    virtual ~DialogService() = default;

    virtual MessageAnswer showMessage(QWidget* parent, const MessageRequest& request) = 0;
    // Each returns nothing when the user cancelled.
    virtual std::optional<FileDialogResult> showOpen(QWidget* parent,
                                                     const FileDialogRequest& request) = 0;
    virtual std::optional<FileDialogResult> showSave(QWidget* parent,
                                                     const FileDialogRequest& request) = 0;
    virtual std::optional<QColor> showColor(QWidget* parent, const QColor& initial) = 0;
    virtual std::optional<FontChoice> showFont(QWidget* parent, const FontChoice& initial) = 0;

    // The program's plain note: the text, the title "Pagelark" and an OK button.
    void showNote(QWidget* parent, const QString& text) {
        showMessage(parent,
                    {text, QStringLiteral("Pagelark"), MessageButtons::Ok, MessageIcon::None});
    }
};
