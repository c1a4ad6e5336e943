#include "ui/CommonDialog.h"

#include <QFileInfo>

CommonDialog::CommonDialog(DialogService& service, QWidget* owner)
    : m_service(service), m_owner(owner) {}

bool CommonDialog::showOpen() {
    return takeFile(m_service.showOpen(m_owner, {filter, filterIndex, fileName, folder}));
}

bool CommonDialog::showSave() {
    return takeFile(m_service.showSave(m_owner, {filter, filterIndex, fileName, folder}));
}

bool CommonDialog::showColor() {
    const auto chosen = m_service.showColor(m_owner, color);
    if (!chosen)
        return false;
    color = *chosen;
    return true;
}

bool CommonDialog::showFont() {
    const auto chosen = m_service.showFont(m_owner, font);
    if (!chosen)
        return false;
    font = *chosen;
    return true;
}

bool CommonDialog::takeFile(const std::optional<FileDialogResult>& result) {
    if (!result)
        return false;
    fileName = result->path;
    fileTitle = QFileInfo(result->path).fileName();
    filterIndex = result->filterIndex;
    return true;
}
