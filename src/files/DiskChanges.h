#pragma once

#include "files/FileStamp.h"

#include <QByteArray>
#include <QString>
#include <functional>

class DialogService;
class DiskWatch;
class DocumentWindow;
class QWidget;

// What the program does when a document's file changes on disk behind its back. A document
// without edits reads the file again, keeping its caret's line and scroll, with a note in the
// status line; an edited one asks, once per change, whether to reload and lose the edits or keep
// its text; a file that is gone is reported and leaves its document changed, so that Save
// writes it back. Save asks before it writes over a file that changed since it was read.
class DiskChanges {
public:
    using StatusNote = std::function<void(const QString& text)>;

    DiskChanges(DiskWatch& watch, DialogService& dialogs, QWidget* dialogParent);

    void setStatusNote(StatusNote note) { m_note = std::move(note); }

    // `doc` holds `bytes`, just read from `path` (stamped `stamp` before reading) or written
    // there (stamped after writing).
    void known(DocumentWindow& doc, const QString& path, const FileStamp& stamp,
               const QByteArray& bytes);
    // `doc` holds a text of its own for `path` (a restored one): the file as it is counts as
    // known.
    void knownAsFound(DocumentWindow& doc, const QString& path);
    // Save is about to write `doc` to `path`: false when that file changed on disk since it was
    // read and the user chose not to write over it.
    bool allowsWriting(DocumentWindow& doc, const QString& path);

private:
    void onChanged(DocumentWindow& doc, const QString& path, const FileStamp& stamp,
                   const QByteArray& bytes);
    void onVanished(DocumentWindow& doc, const QString& path);

    DiskWatch& m_watch;
    DialogService& m_dialogs;
    QWidget* m_dialogParent;
    StatusNote m_note;
};
