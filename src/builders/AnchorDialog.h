#pragma once

#include "builders/BuilderDialog.h"

class QLabel;
class QLineEdit;
class QRadioButton;

// The "Anchor" builder: a link, a named anchor or a mail link around an empty body.
class AnchorDialog : public BuilderDialog {
    Q_OBJECT

public:
    AnchorDialog(InsertionTarget& target, QWidget* parent = nullptr);

protected:
    QStringList scriptPieces() const override;

private:
    QLabel* m_urlLabel;
    QLineEdit* m_url;  // the address, the anchor's name or the mail address
    QRadioButton* m_href;
    QRadioButton* m_name;
    QRadioButton* m_mailto;
};
