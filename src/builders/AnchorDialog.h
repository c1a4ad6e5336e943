#pragma once

#include "builders/BuilderDialog.h"

class QLabel;
class QLineEdit;
class QRadioButton;

// Form1 "Anchor": a link, a named anchor or a mail link around an empty body.
class AnchorDialog : public BuilderDialog {
    Q_OBJECT

public:
    AnchorDialog(InsertionTarget& target, QWidget* parent = nullptr);

protected:
    QStringList scriptPieces() const override;

private:
    QLabel* m_label;
    QLineEdit* m_text;
    QRadioButton* m_href;
    QRadioButton* m_name;
    QRadioButton* m_mailto;
};
