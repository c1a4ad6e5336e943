#pragma once

#include <QDialog>

#include "ui/DialogService.h"

// Offers, at start-up, the documents that a run which did not end cleanly had not saved:
// Restore brings them all back, Discard deletes what was kept, and closing the dialog keeps it
// all for the next start. Texts that could not be read are listed under the documents.
class RecoveryDialog : public QDialog {
    Q_OBJECT

public:
    explicit RecoveryDialog(const RecoveryRequest& request, QWidget* parent = nullptr);

    RecoveryAnswer answer() const { return m_answer; }

    // The system locale's short date, a blank, and its long time.
    static QString timeText(const QDateTime& time);

private:
    void addItems(const RecoveryRequest& request);
    void addNotes(const QStringList& notes);
    void addButtons(bool anyItems);

    RecoveryAnswer m_answer = RecoveryAnswer::Later;
};
