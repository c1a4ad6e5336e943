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
    connect(&journal, &RecoveryJournal::writeFailed, this, [this](const QString& message) {
        emit notice(QStringLiteral("No recovery copy kept: ") + message);
    });
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
    const RecoveryAnswer answer = m_dialogs.showRecovery(m_dialogParent, orphans.request());
    orphans.resolve(answer, [this](const RecoverableEntry& kept) { return restore(kept); });
}

// A window of its own for the kept text, with the path or caption it had, marked changed; the
// entry becomes this run's.
bool DocumentRecovery::restore(const RecoverableEntry& kept) {
    const JournalEntry& entry = kept.entry;
    DocumentWindow* doc = m_documents.createForFile(entry.displayName());
    doc->loadKeptText(entry.bytes, entry.keptFormat(), entry.format);
    doc->setChanged(true);
    emit restored(*doc);
    return m_journal.adopt(*doc->editor()->document(), kept);
}

void DocumentRecovery::finish() {
    m_journal.finish();
}
