#pragma once

#include "builders/BuilderDialog.h"

class NumericField;
class QComboBox;
class QLineEdit;
class QRadioButton;

// The "Table" builder: the table tags with attributes and an optional caption, caret on the empty
// line.
class TableDialog : public BuilderDialog {
    Q_OBJECT

public:
    TableDialog(InsertionTarget& target, QWidget* parent = nullptr);

protected:
    QStringList scriptPieces() const override;

private:
    NumericField* m_border;
    NumericField* m_cellspacing;
    NumericField* m_cellpadding;
    QLineEdit* m_caption;
    QComboBox* m_align;
    QComboBox* m_captionAlign;
    NumericField* m_width;
    QRadioButton* m_widthPercent;
    QRadioButton* m_widthPixels;
};
