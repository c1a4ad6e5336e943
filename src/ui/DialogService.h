#pragma once

#include "state/FontChoice.h"
#include "text/LineColumn.h"

#include <QColor>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// Every modal message box, every open, save, colour, font and go-to-line dialog, the tag question
// of Surround With Tag and the recovery offer go through this seam. The program shows Qt's
// dialogs; tests script the answers.

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

// The start-up offer of the documents a run that did not end cleanly had not saved.
struct RecoveryItem {
    QString name;     // the document's path, or its caption when it had none
    QDateTime taken;  // when its text was kept

    bool operator==(const RecoveryItem&) const = default;
};

struct RecoveryRequest {
    QList<RecoveryItem> items;
    QStringList notes;  // one sentence for each kept text that could not be read
};

// Restore the chosen items or discard every item; Later (the dialog closed) keeps them for the
// next start.
enum class RecoveryAnswer { Restore, Discard, Later };

struct RecoveryChoice {
    RecoveryAnswer answer = RecoveryAnswer::Later;
    // For Restore, one mark per item of the request: restore it or keep it for the next start.
    // Empty: every item.
    QList<bool> chosen = {};

    // Whether item `index` is to be restored.
    bool restores(qsizetype index) const {
        return answer == RecoveryAnswer::Restore && (chosen.isEmpty() || chosen.value(index));
    }
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
    // The tag to surround the selection with, as the user typed it (`a href="x"`).
    virtual std::optional<QString> askTag(QWidget* parent) = 0;
    // The offer of unsaved documents that a run which did not end cleanly left behind.
    virtual RecoveryChoice showRecovery(QWidget* parent, const RecoveryRequest& request) = 0;
    // Go to Line: a place in a text of `lineCount` lines, as the user typed it (not yet clamped).
    virtual std::optional<LineColumn> showGoToLine(QWidget* parent, int lineCount) = 0;

    // The program's plain note: the text, the title "Pagelark" and an OK button.
    void showNote(QWidget* parent, const QString& text) {
        showMessage(parent,
                    {text, QStringLiteral("Pagelark"), MessageButtons::Ok, MessageIcon::None});
    }
};
