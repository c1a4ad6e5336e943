#pragma once

#include "builders/BuilderDialog.h"

class ChoiceCombo;
class NumericField;
class QCheckBox;
class QLineEdit;
class QRadioButton;

// The "Table data" builder: one data or header cell with its attributes and content.
class TableDataDialog : public BuilderDialog {
    Q_OBJECT

public:
    TableDataDialog(InsertionTarget& target, QWidget* parent = nullptr);

protected:
    QStringList scriptPieces() const override;

private:
    QRadioButton* m_data;
    QRadioButton* m_header;
    NumericField* m_rowspan;
    NumericField* m_colspan;
    ChoiceCombo* m_align;
    ChoiceCombo* m_valign;
    NumericField* m_width;
    NumericField* m_height;
    QCheckBox* m_nowrap;
    QLineEdit* m_content;
};
