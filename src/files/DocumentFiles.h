#pragma once

#include "ui/CommonDialog.h"

#include <QString>
#include <functional>
#include <limits>

class CommandHandlers;
class DocumentWindow;
class ProgramState;

// Opening, saving and closing documents, through the frame's one file dialog, which remembers
// its file name and filter between commands.
class DocumentFiles {
public:
    // Makes a document window in a new slot, sized and styled, ready for its text.
    using WindowMaker = std::function<DocumentWindow*(const QString& caption)>;

    DocumentFiles(ProgramState& state, DialogService& dialogs, QWidget* frame,
                  WindowMaker makeWindow);

    // Binds Open, Close, Save and Save As.
    void bindCommands(CommandHandlers& commands);

    static const QString kOpenFilter;
    static const QString kSaveFilter;
    static constexpr qint64 kOpenLimit = 65000;
    // With Open Large Files on: the most the editor can address (a byte gives at most one
    // character).
    static constexpr qint64 kLargeOpenLimit = std::numeric_limits<int>::max() - 1;
    static constexpr int kHtmlFilesIndex = 2;

    // File > Open: asks for a file (at most 65000 bytes, or kLargeOpenLimit with Open Large Files
    // on) and opens it in a new window.
    void openCommand();
    // Reads a file into a new window; reports and returns nullptr when it cannot be read.
    DocumentWindow* openDocumentFile(const QString& fileName);
    // A recent-file entry, the read-me or the user-menu file: the file in a new window, whatever
    // its size, and the recent-file menus drawn again.
    void openListedFile(const QString& fileName);
    // The save dialog; an empty result means the user cancelled.
    QString askSaveName(const QString& suggestion);
    // Writes the window's text to the file atomically; on success the window takes the name,
    // otherwise a message names the file and says why, and the window stays changed.
    bool saveDocumentAs(DocumentWindow& doc, const QString& fileName);
    void save(DocumentWindow& doc);
    void saveAs(DocumentWindow& doc);
    // The prompt for unsaved changes; false keeps the window open.
    bool confirmClose(DocumentWindow& doc);

    CommonDialog& dialog() { return m_dialog; }

    // The "Files"/"Type" index that a path's ending selects, or 0 for none.
    static int typeIndexFor(const QString& path);

private:
    void rememberType(const QString& path);
    // Shows why a save failed; returns false.
    bool refuseSave(const QString& message);

    ProgramState& m_state;
    DialogService& m_dialogs;
    QWidget* m_frame;
    WindowMaker m_makeWindow;
    CommonDialog m_dialog;
};
