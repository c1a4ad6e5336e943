#include "files/DocumentFiles.h"

#include "document/CommandHandlers.h"
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "files/FileWriter.h"
#include "files/SaveMessage.h"
#include "state/ProgramState.h"
#include "text/DocumentText.h"
#include "ui/BusyCursor.h"

#include <QFile>
#include <QFileInfo>

const QString DocumentFiles::kOpenFilter = QStringLiteral(
    "All Files (*.*)|*.*|HTML Files (*.htm*)|*.htm*|Server Side Include Files(*.sht*)|*.sht*|"
    "Text Files (*.txt)|*.txt|Batch Files (*.bat)|*.bat");
const QString DocumentFiles::kSaveFilter = QStringLiteral(
    "All Files (*.*)|*.*|HTML Files (*.htm*)|*.htm*|Server Side Include Files (*.sht*)|*.sht*|"
    "Text Files (*.txt)|*.txt|Batch Files (*.bat)|*.bat");

namespace {

struct TypeByEnding {
    const char* ending;
    int index;
};
constexpr TypeByEnding kTypeByEnding[] = {
    {".HTM", 2}, {".HTML", 2}, {".SHTML", 3}, {".TXT", 4}, {".BAT", 5}};

}  // namespace

DocumentFiles::DocumentFiles(ProgramState& state, DialogService& dialogs, QWidget* frame,
                             WindowMaker makeWindow)
    : m_state(state),
      m_dialogs(dialogs),
      m_frame(frame),
      m_makeWindow(std::move(makeWindow)),
      m_dialog(dialogs, frame) {}

int DocumentFiles::typeIndexFor(const QString& path) {
    const QString upper = path.toUpper();
    for (const TypeByEnding& row : kTypeByEnding) {
        if (upper.endsWith(QLatin1String(row.ending)))
            return row.index;
    }
    return 0;
}

void DocumentFiles::rememberType(const QString& path) {
    if (const int index = typeIndexFor(path); index != 0)
        m_state.preferences().setFileType(index);
}

void DocumentFiles::openCommand() {
    m_dialog.fileName.clear();
    m_dialog.filter = kOpenFilter;
    m_dialog.filterIndex = m_state.preferences().fileType(kHtmlFilesIndex);
    if (!m_dialog.showOpen())
        return;
    const QString fileName = m_dialog.fileName;
    const qint64 limit = m_state.editorSwitches().openLargeFiles ? kLargeOpenLimit : kOpenLimit;
    if (QFileInfo(fileName).size() > limit) {
        m_dialogs.showNote(m_frame, QStringLiteral("The file is too large to open."));
        return;
    }
    rememberType(fileName);
    if (openDocumentFile(fileName))
        m_state.recentFiles().add(fileName);
}

DocumentWindow* DocumentFiles::openDocumentFile(const QString& fileName) {
    QFile file(fileName);
    // Folders and devices are refused too: only a whole regular file can be read and saved.
    if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly)) {
        m_dialogs.showNote(m_frame, QStringLiteral("Can't open file: \n") + fileName);
        return nullptr;
    }
    BusyCursor busy;
    const QByteArray bytes = file.readAll();
    // Sized and styled before the text arrives: doing either afterwards lays out every line of
    // a long file once more.
    DocumentWindow* doc = m_makeWindow(fileName);
    doc->loadBytes(bytes);
    doc->setChanged(false);
    return doc;
}

void DocumentFiles::openListedFile(const QString& fileName) {
    openDocumentFile(fileName);
    m_state.recentFiles().rebuild();
}

QString DocumentFiles::askSaveName(const QString& suggestion) {
    m_dialog.filter = kSaveFilter;
    m_dialog.filterIndex = 1;
    m_dialog.fileName = suggestion;
    return m_dialog.showSave() ? m_dialog.fileName : QString();
}

bool DocumentFiles::saveDocumentAs(DocumentWindow& doc, const QString& fileName) {
    BusyCursor busy;
    QString unstorable;
    const auto bytes = DocumentText::save(*doc.editor()->document(), doc.textFormat(), &unstorable);
    if (!bytes)
        return refuseSave(SaveMessage::forReason(fileName, unstorable));
    if (const auto failure = FileWriter::write(fileName, *bytes))
        return refuseSave(SaveMessage::forFailure(fileName, *failure));
    doc.setCaption(fileName);
    doc.setChanged(false);
    return true;
}

bool DocumentFiles::refuseSave(const QString& message) {
    m_dialogs.showMessage(m_frame, {message, QStringLiteral("Pagelark"), MessageButtons::Ok,
                                    MessageIcon::Exclamation});
    return false;
}

void DocumentFiles::save(DocumentWindow& doc) {
    const QString name = doc.isUntitled() ? askSaveName(QString()) : doc.caption();
    if (!name.isEmpty())
        saveDocumentAs(doc, name);
}

void DocumentFiles::saveAs(DocumentWindow& doc) {
    const QString name =
        askSaveName(doc.isUntitled() ? QStringLiteral("Untitled.html") : doc.caption());
    if (!name.isEmpty() && saveDocumentAs(doc, name))
        m_state.recentFiles().add(name);
}

bool DocumentFiles::confirmClose(DocumentWindow& doc) {
    if (!doc.isChanged())
        return true;
    const MessageRequest prompt{
        QStringLiteral("The text in [") + doc.caption() + QStringLiteral("] has changed.\n\r") +
            QStringLiteral("Do you want to save the changes?"),
        m_frame->windowTitle(), MessageButtons::YesNoCancel, MessageIcon::Exclamation};
    switch (m_dialogs.showMessage(m_frame, prompt)) {
        case MessageAnswer::No:
            return true;
        case MessageAnswer::Yes: {
            // Closing is allowed only once the text is safe: a cancelled save dialog or a
            // failed write keeps the window (and the program) open with its text.
            const QString name =
                doc.isUntitled() ? askSaveName(QStringLiteral("untitled.html")) : doc.caption();
            return !name.isEmpty() && saveDocumentAs(doc, name);
        }
        default:
            return false;
    }
}

void DocumentFiles::bindCommands(CommandHandlers& commands) {
    commands.bind(Command::FileOpen, [this](DocumentWindow*) { openCommand(); });
    commands.bindForDocument(Command::FileClose, [](DocumentWindow& doc) { doc.closeDocument(); });
    commands.bindForDocument(Command::FileSave, [this](DocumentWindow& doc) { save(doc); });
    commands.bindForDocument(Command::FileSaveAs, [this](DocumentWindow& doc) { saveAs(doc); });
}
