#pragma once

#include "builders/BuilderDialog.h"

class ChoiceCombo;

// The "Table Row" builder: an empty row with optional alignments, caret between the tags.
class TableRowDialog : public BuilderDialog {
    Q_OBJECT

public:
    TableRowDialog(InsertionTarget& target, QWidget* parent = nullptr);

protected:
    QStringList scriptPieces() const override;

private:
    ChoiceCombo* m_align;
    ChoiceCombo* m_valign;
};
