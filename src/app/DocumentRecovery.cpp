#include "app/DocumentRecovery.h"

#include "app/DocumentArea.h"
#include "editor/EditorBox.h"
#include "recovery/OrphanedJournals.h"
#include "recovery/RecoveryJournal.h"
#include "state/ProgramState.h"
#include "ui/DialogService.h"

DocumentRecovery::DocumentRecovery(DocumentArea& documents, DocumentTable& table,
                                   RecoveryJournal& journal, DialogService& dialogs,
                                   QWidget* dialogParent)
    : QObject(&documents),
      m_documents(documents),
      m_journal(journal),
      m_dialogs(dialogs),
      m_dialogParent(dialogParent) {
    connect(&documents, &DocumentArea::created, this, &DocumentRecovery::follow);
    connect(&documents, &DocumentArea::closing, this,
            [this](DocumentWindow& doc) { m_journal.noteClosed(*doc.editor()->document()); });
    connect(&table, &DocumentTable::captionChanged, this, [this](int slot) {
        if (DocumentWindow* doc = windowOf(slot))
            describe(*doc);
    });
    // A document that is no longer changed has been saved, or read afresh from its file.
    connect(&table, &DocumentTable::changedMarkChanged, this, [this](int slot, bool changed) {
        if (DocumentWindow* doc = windowOf(slot); doc && !changed)
            m_journal.noteSaved(*doc->editor()->document());
    });
    connect(&journal, &RecoveryJournal::writeFailed, this, &DocumentRecovery::troubleChanged);
    connect(&journal, &RecoveryJournal::writeRecovered, this,
            [this] { emit troubleChanged(QString()); });
}

DocumentWindow* DocumentRecovery::windowOf(int slot) const {
    return m_documents.window(slot);
}

void DocumentRecovery::follow(DocumentWindow& doc) {
    QTextDocument* text = doc.editor()->document();
    m_journal.noteLoaded(*text, {}, doc.textFormat());
    describe(doc);
    connect(&doc, &DocumentWindow::loaded, this,
            [this, &doc, text](const QByteArray& bytes, const TextFormat& format) {
                m_journal.noteLoaded(*text, bytes, format);
                describe(doc);
            });
    // The window marks itself changed on the same signal, before this runs.
    connect(text, &QTextDocument::contentsChange, &doc, [this, &doc, text] {
        if (doc.isChanged())
            m_journal.noteEdited(*text);
    });
}

void DocumentRecovery::describe(DocumentWindow& doc) {
    const QString caption = doc.caption();
    m_journal.describe(*doc.editor()->document(), doc.isUntitled() ? QString() : caption, caption,
                       doc.textFormat());
}

void DocumentRecovery::offerUnsavedDocuments() {
    OrphanedJournals orphans(m_journal.root());
    // Restored documents take their entries into this run's folder; without one, the entries
    // stay where they are for a later start.
    if (orphans.isEmpty() || !m_journal.open())
        return;
    const RecoveryChoice choice = m_dialogs.showRecovery(m_dialogParent, orphans.request());
    m_startWindow = choice.answer == RecoveryAnswer::Restore ? pristineStartWindow() : nullptr;
    const QStringList damaged =
        orphans.resolve(choice, [this](const RecoverableEntry& kept) { return restore(kept); });
    m_startWindow = nullptr;
    if (!damaged.isEmpty())
        m_dialogs.showNote(m_dialogParent, damaged.join(QLatin1Char('\n')));
}

QString DocumentRecovery::currentTrouble() const {
    return m_journal.lastFailure();
}

// The window start-up made, when nothing has been done with it: the first restored document
// takes its place instead of standing beside it.
DocumentWindow* DocumentRecovery::pristineStartWindow() const {
    const QList<DocumentWindow*> open = m_documents.openWindows();
    if (open.size() != 1)
        return nullptr;
    DocumentWindow* doc = open.first();
    const bool untouched = doc->caption() == QStringLiteral("Untitled") && !doc->isChanged() &&
                           doc->editor()->document()->isEmpty();
    return untouched ? doc : nullptr;
}

// A window of its own for the kept text, with the path or caption it had, marked changed; the
// entry becomes this run's.
bool DocumentRecovery::restore(const RecoverableEntry& kept) {
    const JournalEntry& entry = kept.entry;
    // An untitled document gets a caption no open window has, as File > New would give it.
    DocumentWindow* doc = std::exchange(m_startWindow, nullptr);
    if (doc && !entry.path.isEmpty())
        doc->setCaption(entry.path);
    else if (!doc)
        doc = entry.path.isEmpty() ? m_documents.createUntitled()
                                   : m_documents.createForFile(entry.path);
    doc->loadKeptText(entry.bytes, entry.keptFormat(), entry.format);
    doc->setChanged(true);
    return m_journal.adopt(*doc->editor()->document(), kept);
}

void DocumentRecovery::finish() {
    m_journal.finish();
}
