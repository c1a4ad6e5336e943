#pragma once

#include "builders/BuilderDialog.h"

class ChoiceCombo;
class QCheckBox;
class QLineEdit;
class QRadioButton;

// The "List Builder" dialog: an empty ordered, unordered or definition list, caret inside.
class ListDialog : public BuilderDialog {
    Q_OBJECT

public:
    ListDialog(InsertionTarget& target, QWidget* parent = nullptr);

protected:
    QStringList scriptPieces() const override;

private:
    void showOrdered();
    void showUnordered();
    void showDefinition();

    QRadioButton* m_ordered;
    QRadioButton* m_unordered;
    QRadioButton* m_definition;
    ChoiceCombo* m_numbering;
    QLineEdit* m_start;
    ChoiceCombo* m_bullet;
    QCheckBox* m_compact;
};
