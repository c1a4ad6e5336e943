#pragma once

#include "builders/BuilderDialog.h"

class ChoiceCombo;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

// The "List Item Builder" dialog: one list item, term or definition with its text.
class ListItemDialog : public BuilderDialog {
    Q_OBJECT

public:
    ListItemDialog(InsertionTarget& target, QWidget* parent = nullptr);

protected:
    QStringList scriptPieces() const override;

private:
    void showOrdered();
    void showUnordered();
    void showDefinitionPart();

    QRadioButton* m_ordered;
    QRadioButton* m_unordered;
    QRadioButton* m_term;
    QRadioButton* m_definition;
    ChoiceCombo* m_numbering;
    QLineEdit* m_value;
    ChoiceCombo* m_bullet;
    QPlainTextEdit* m_text;
};
