#pragma once

#include <QObject>

class DocumentWindow;
class MainFrame;
class RecoveryJournal;
struct RecoverableEntry;

// Keeps the frame's documents in the recovery journal: what each one is (path, caption,
// format), when its text changes, is saved or closed. Once start-up is done it offers what runs
// that did not end cleanly left behind.
class DocumentRecovery : public QObject {
    Q_OBJECT
public:
    DocumentRecovery(MainFrame& frame, RecoveryJournal& journal);

    // Offers the documents that runs which ended uncleanly had not saved, if there are any.
    void offerUnsavedDocuments();
    // The run ends cleanly: nothing is left for a later start.
    void finish();

private:
    void follow(DocumentWindow& doc);
    void describe(DocumentWindow& doc);
    DocumentWindow* windowOf(int slot) const;
    bool restore(const RecoverableEntry& kept);

    MainFrame& m_frame;
    RecoveryJournal& m_journal;
};
