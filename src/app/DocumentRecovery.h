#pragma once

#include <QObject>

class DialogService;
class DocumentArea;
class DocumentTable;
class DocumentWindow;
class QWidget;
class RecoveryJournal;
struct RecoverableEntry;

// Keeps the frame's documents in the recovery journal: what each one is (path, caption,
// format), when its text changes, is saved or closed. Once start-up is done it offers what runs
// that did not end cleanly left behind.
class DocumentRecovery : public QObject {
    Q_OBJECT
public:
    DocumentRecovery(DocumentArea& documents, DocumentTable& table, RecoveryJournal& journal,
                     DialogService& dialogs, QWidget* dialogParent);

    // Offers the documents that runs which ended uncleanly had not saved, if there are any.
    void offerUnsavedDocuments();
    // The run ends cleanly: nothing is left for a later start.
    void finish();

    // Why recovery copies cannot be kept at the moment; empty while they can.
    QString currentTrouble() const;

signals:
    // Recovery copies cannot be kept, for `reason`; an empty reason: they can again.
    void troubleChanged(const QString& reason);

private:
    void follow(DocumentWindow& doc);
    void describe(DocumentWindow& doc);
    DocumentWindow* windowOf(int slot) const;
    bool restore(const RecoverableEntry& kept);
    DocumentWindow* pristineStartWindow() const;

    DocumentArea& m_documents;
    RecoveryJournal& m_journal;
    DialogService& m_dialogs;
    QWidget* m_dialogParent;
    DocumentWindow* m_startWindow = nullptr;
};
