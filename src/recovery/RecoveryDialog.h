#pragma once

#include <QDialog>

#include "ui/DialogService.h"

// Offers, at start-up, the documents that a run which did not end cleanly had not saved, each with
// a check box (all checked): Restore brings back the checked ones and keeps the others for the
// next start, Discard deletes everything (asking first when some were unchecked), and closing the
// dialog keeps it all for the next start. Texts that could not be read are listed under them.
class RecoveryDialog : public QDialog {
    Q_OBJECT

public:
    explicit RecoveryDialog(const RecoveryRequest& request, QWidget* parent = nullptr);

    RecoveryAnswer answer() const { return m_answer; }
    // One mark per document: whether it is checked.
    QList<bool> chosen() const;

    // The system locale's short date, a blank, and its long time.
    static QString timeText(const QDateTime& time);

private:
    void addItems(const RecoveryRequest& request);
    void addNotes(const QStringList& notes);
    void addButtons(bool anyItems);
    void discard();
    // Wide enough for the title and for both columns without cutting them.
    void fitToContents();

    class QTreeWidget* m_items = nullptr;
    class QPushButton* m_restore = nullptr;
    RecoveryAnswer m_answer = RecoveryAnswer::Later;
};
