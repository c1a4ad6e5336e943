#pragma once

#include "builders/BuilderDialog.h"

class NumericField;
class QCheckBox;
class QComboBox;
class QLineEdit;

// The "Images" builder: one image tag from a typed file name, a description and layout attributes.
class ImageDialog : public BuilderDialog {
    Q_OBJECT

public:
    ImageDialog(InsertionTarget& target, QWidget* parent = nullptr);

protected:
    QStringList scriptPieces() const override;

private:
    QLineEdit* m_file;
    QLineEdit* m_description;
    QComboBox* m_align;
    NumericField* m_hspace;
    NumericField* m_vspace;
    NumericField* m_width;
    NumericField* m_height;
    NumericField* m_border;
    QCheckBox* m_ismap;
};
