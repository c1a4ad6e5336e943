#pragma once

#include "builders/BuilderDialog.h"

class ChoiceCombo;
class NumericField;
class QCheckBox;
class QRadioButton;

// The "Horizontal Rule" builder: one <hr> tag with alignment, shading, size and width.
class HorizontalRuleDialog : public BuilderDialog {
    Q_OBJECT

public:
    HorizontalRuleDialog(InsertionTarget& target, QWidget* parent = nullptr);

protected:
    QStringList scriptPieces() const override;

private:
    ChoiceCombo* m_align;
    QCheckBox* m_noshade;
    NumericField* m_size;
    QRadioButton* m_sizePercent;
    QRadioButton* m_sizePixels;
    NumericField* m_width;
    QRadioButton* m_widthPercent;
    QRadioButton* m_widthPixels;
};
