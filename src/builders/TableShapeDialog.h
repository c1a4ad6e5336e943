#pragma once

#include "html/TableMarkup.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QSpinBox;

// Insert > Table: asks for an HTML5 table's rows and columns (1 to 100 each), a header row and a
// caption. Enter accepts. Shown through the dialog seam.
class TableShapeDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxCells = 100;

    explicit TableShapeDialog(QWidget* parent = nullptr);

    TableShape shape() const;

private:
    QSpinBox* m_rows;
    QSpinBox* m_columns;
    QCheckBox* m_headerRow;
    QLineEdit* m_caption;
};
