#include "builders/TableShapeDialog.h"

#include "ui/TitleWidth.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QSpinBox* countBox(const QString& name, int value, int maximum) {
    auto* box = new QSpinBox;
    box->setObjectName(name);
    box->setRange(1, maximum);
    box->setValue(value);
    return box;
}

}  // namespace

TableShapeDialog::TableShapeDialog(QWidget* parent)
    : QDialog(parent),
      m_rows(countBox(QStringLiteral("table_rows_box"), 2, kMaxCells)),
      m_columns(countBox(QStringLiteral("table_columns_box"), 2, kMaxCells)),
      m_headerRow(new QCheckBox(tr("&Header row"))),
      m_caption(new QLineEdit) {
    setObjectName(QStringLiteral("table_shape_dialog"));
    setWindowTitle(tr("Table"));
    TitleWidth::keep(*this);
    m_headerRow->setObjectName(QStringLiteral("table_header_check"));
    m_caption->setObjectName(QStringLiteral("table_caption_field"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("table_ok"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(tr("&Rows:"), m_rows);
    form->addRow(tr("&Columns:"), m_columns);
    form->addRow(QString(), m_headerRow);
    form->addRow(tr("C&aption:"), m_caption);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

TableShape TableShapeDialog::shape() const {
    return {m_rows->value(), m_columns->value(), m_headerRow->isChecked(), m_caption->text()};
}
