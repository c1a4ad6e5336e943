#include "files/DiskChanges.h"

#include "document/DocumentWindow.h"
#include "files/DiskWatch.h"
#include "ui/BusyCursor.h"
#include "ui/DialogService.h"

#include <QFileInfo>
#include <QPointer>

namespace {

const QString kTitle = QStringLiteral("Pagelark");

QString named(const QString& path) {
    return QStringLiteral("The file [") + path + QStringLiteral("] ");
}

}  // namespace

DiskChanges::DiskChanges(DiskWatch& watch, DialogService& dialogs, QWidget* dialogParent)
    : m_watch(watch), m_dialogs(dialogs), m_dialogParent(dialogParent) {
    QObject::connect(&watch, &DiskWatch::changedOnDisk, &watch,
                     [this](DocumentWindow& doc, const QString& path, const FileStamp& stamp,
                            const QByteArray& bytes) { onChanged(doc, path, stamp, bytes); });
    QObject::connect(&watch, &DiskWatch::vanished, &watch,
                     [this](DocumentWindow& doc, const QString& path) { onVanished(doc, path); });
}

void DiskChanges::known(DocumentWindow& doc, const QString& path, const FileStamp& stamp,
                        const QByteArray& bytes) {
    m_watch.remember(doc, path, stamp, bytes);
}

void DiskChanges::knownAsFound(DocumentWindow& doc, const QString& path) {
    m_watch.rememberAsFound(doc, path);
}

bool DiskChanges::allowsWriting(DocumentWindow& doc, const QString& path) {
    if (!m_watch.changedSinceKnown(doc, path))
        return true;
    doc.activate();
    const DiskChangeRequest question{
        DiskChangeQuestion::OverwriteOrCancel,
        named(path) + QStringLiteral("was changed by another program since it was read.\n") +
            QStringLiteral("Do you want to write over it?"),
        kTitle};
    return m_dialogs.askDiskChange(m_dialogParent, question) == DiskChangeAnswer::Overwrite;
}

void DiskChanges::onChanged(DocumentWindow& doc, const QString& path, const FileStamp& stamp,
                            const QByteArray& bytes) {
    QPointer<DocumentWindow> window(&doc);
    if (doc.isChanged()) {
        doc.activate();
        const DiskChangeRequest question{
            DiskChangeQuestion::ReloadOrKeep,
            named(path) + QStringLiteral("was changed by another program.\n") +
                QStringLiteral("Reload it and lose your edits, or keep your text?"),
            kTitle};
        const DiskChangeAnswer answer = m_dialogs.askDiskChange(m_dialogParent, question);
        if (!window)
            return;
        if (answer != DiskChangeAnswer::Reload) {
            // This change has had its answer: only the next one asks again.
            m_watch.remember(doc, path, stamp, bytes);
            return;
        }
    }
    BusyCursor busy;
    doc.reloadBytes(bytes);
    m_watch.remember(doc, path, stamp, bytes);
    if (m_note)
        m_note(QStringLiteral("Reloaded ") + QFileInfo(path).fileName() +
               QStringLiteral(": changed on disk"));
}

void DiskChanges::onVanished(DocumentWindow& doc, const QString& path) {
    doc.setChanged(true);
    doc.activate();
    m_dialogs.showMessage(m_dialogParent,
                          {named(path) + QStringLiteral("was deleted or moved.\n") +
                               QStringLiteral("Its text stays open, marked as changed: ") +
                               QStringLiteral("Save writes the file again."),
                           kTitle, MessageButtons::Ok, MessageIcon::Exclamation});
}
