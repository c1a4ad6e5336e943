#include "app/QtDialogService.h"

#include "editor/EditorAppearance.h"
#include "find/GoToLineDialog.h"
#include "recovery/RecoveryDialog.h"
#include "tags/SurroundTagDialog.h"
#include "ui/DialogFront.h"
#include "ui/MessageIcons.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace {

QMessageBox::StandardButtons toQtButtons(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

std::optional<FileDialogResult> runFileDialog(QWidget* parent, const FileDialogRequest& request,
                                              QFileDialog::AcceptMode mode) {
    QFileDialog dialog(DialogFront::owner(parent));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    QtDialogService::setFilters(dialog, request);
    if (!request.folder.isEmpty())
        dialog.setDirectory(request.folder);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (DialogFront::exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return FileDialogResult{dialog.selectedFiles().constFirst(),
                            QtDialogService::selectedFilterIndex(dialog, request.filter)};
}

}  // namespace

QStringList QtDialogService::nameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts.at(i + 1);
        if (pattern == QLatin1String("*.*"))
            pattern = QStringLiteral("*");
        filters.append(parts.at(i) + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return filters;
}

void QtDialogService::setFilters(QFileDialog& dialog, const FileDialogRequest& request) {
    // Each entry's own text already shows its pattern (or deliberately leaves it out): the
    // dialog lists that text alone instead of adding the pattern again.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = nameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters.at(request.filterIndex - 1));
}

int QtDialogService::selectedFilterIndex(const QFileDialog& dialog, const QString& filter) {
    // With the details hidden, Qt 6.4 reports the entry's shown text rather than the filter.
    const QString selected = dialog.selectedNameFilter();
    const QStringList parts = filter.split(QLatin1Char('|'));
    const QStringList filters = nameFilters(filter);
    for (int i = 0; i < filters.size(); ++i) {
        if (selected == filters.at(i) || selected == parts.at(2 * i))
            return i + 1;
    }
    return 0;
}

MessageAnswer QtDialogService::showMessage(QWidget* parent, const MessageRequest& request) {
    QMessageBox box(QMessageBox::NoIcon, request.title, request.text, toQtButtons(request.buttons),
                    DialogFront::owner(parent));
    // The theme's pictures rather than the ones Qt falls back on.
    const QPixmap picture = MessageIcons::pixmapFor(request.icon, box);
    if (!picture.isNull())
        box.setIconPixmap(picture);
    switch (DialogFront::exec(box)) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        default:
            return MessageAnswer::Ok;
    }
}

std::optional<FileDialogResult> QtDialogService::showOpen(QWidget* parent,
                                                          const FileDialogRequest& request) {
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<FileDialogResult> QtDialogService::showSave(QWidget* parent,
                                                          const FileDialogRequest& request) {
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

std::optional<QColor> QtDialogService::showColor(QWidget* parent, const QColor& initial) {
    QColorDialog dialog(initial, DialogFront::owner(parent));
    if (DialogFront::exec(dialog) != QDialog::Accepted || !dialog.selectedColor().isValid())
        return std::nullopt;
    return dialog.selectedColor();
}

std::optional<FontChoice> QtDialogService::showFont(QWidget* parent, const FontChoice& initial) {
    QFontDialog dialog(EditorAppearance::toQFont(initial), DialogFront::owner(parent));
    if (DialogFront::exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return EditorAppearance::fromQFont(dialog.selectedFont());
}

std::optional<QString> QtDialogService::askTag(QWidget* parent) {
    SurroundTagDialog dialog(DialogFront::owner(parent));
    if (DialogFront::exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.tagField()->text();
}

RecoveryChoice QtDialogService::showRecovery(QWidget* parent, const RecoveryRequest& request) {
    RecoveryDialog dialog(request, DialogFront::owner(parent));
    DialogFront::exec(dialog);
    return {dialog.answer(), dialog.chosen()};
}

std::optional<LineColumn> QtDialogService::showGoToLine(QWidget* parent, int lineCount) {
    GoToLineDialog dialog(lineCount, DialogFront::owner(parent));
    if (DialogFront::exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.target();
}
