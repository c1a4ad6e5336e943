#pragma once

#include "builders/BuilderDialog.h"
#include "ui/CommonDialog.h"

class DialogService;
class QLineEdit;

// The "HTML Page Template" builder: a whole page skeleton with title, meta element and body
// colours. Its palette and browse buttons share one dialog object, so a cancelled pick brings back
// what that object last held during this opening.
class QuickPageDialog : public BuilderDialog {
    Q_OBJECT

public:
    QuickPageDialog(InsertionTarget& target, DialogService& dialogs, QWidget* parent = nullptr);

protected:
    QStringList scriptPieces() const override;

private:
    QLineEdit* addBox(const QString& name);
    void pickColor(QLineEdit* box);
    void pickBackgroundFile();

    CommonDialog m_dialog;
    QLineEdit* m_title;
    QLineEdit* m_metaName;
    QLineEdit* m_metaContent;
    QLineEdit* m_backgroundColor;
    QLineEdit* m_textColor;
    QLineEdit* m_linkColor;
    QLineEdit* m_visitedLinkColor;
    QLineEdit* m_activeLinkColor;
    QLineEdit* m_backgroundFile;
};
