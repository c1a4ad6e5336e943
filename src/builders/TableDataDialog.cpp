#include "builders/TableDataDialog.h"

#include "builders/BuilderScripts.h"
#include "builders/ChoiceCombo.h"
#include "builders/NumericField.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QStringList kAlignItems = {"left", "center", "right"};
const QStringList kValignItems = {"top", "middle", "bottom"};

}  // namespace

TableDataDialog::TableDataDialog(InsertionTarget& target, QWidget* parent)
    : BuilderDialog(target, QStringLiteral("table_data_builder"), tr("Table data"), parent),
      m_data(new QRadioButton(tr("Table &data"), this)),
      m_header(new QRadioButton(tr("Table &header"), this)),
      m_rowspan(makeNumericField(100, 10, QStringLiteral("rowspan"))),
      m_colspan(makeNumericField(100, 10, QStringLiteral("colspan"))),
      m_align(new ChoiceCombo(kAlignItems, this)),
      m_valign(new ChoiceCombo(kValignItems, this)),
      m_width(makeNumericField(10000, 100, QStringLiteral("width"))),
      m_height(makeNumericField(10000, 100, QStringLiteral("height"))),
      m_nowrap(new QCheckBox(tr("&Nowrap"), this)),
      m_content(new QLineEdit(this)) {
    m_data->setObjectName(QStringLiteral("data_option"));
    m_header->setObjectName(QStringLiteral("header_option"));
    m_align->setObjectName(QStringLiteral("align_box"));
    m_valign->setObjectName(QStringLiteral("valign_box"));
    m_nowrap->setObjectName(QStringLiteral("nowrap_check"));
    m_content->setObjectName(QStringLiteral("content_field"));
    m_data->setChecked(true);

    auto* layout = new QVBoxLayout(this);
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(m_data);
    kinds->addWidget(m_header);
    kinds->addStretch();
    layout->addLayout(kinds);
    auto* grid = new QGridLayout;
    const std::pair<QString, QWidget*> rows[] = {
        {tr("Rowspan="), m_rowspan}, {tr("Colspan="), m_colspan}, {tr("Align="), m_align},
        {tr("Valign="), m_valign},   {tr("Width="), m_width},     {tr("Height="), m_height},
    };
    int row = 0;
    for (const auto& [caption, box] : rows) {
        grid->addWidget(buddyLabel(caption, box), row, 0);
        grid->addWidget(box, row++, 1);
    }
    grid->addWidget(m_nowrap, row++, 1);
    grid->addWidget(buddyLabel(tr("Data:"), m_content), row, 0);
    grid->addWidget(m_content, row, 1);
    layout->addLayout(grid);
    addButtonRow(layout);
}

// The lists count by their text; they are editable, so an emptied box means no attribute.
QStringList TableDataDialog::scriptPieces() const {
    TableDataFields fields;
    fields.header = m_header->isChecked();
    fields.rowspan = m_rowspan->text();
    fields.colspan = m_colspan->text();
    fields.align = m_align->currentText();
    fields.valign = m_valign->currentText();
    fields.width = m_width->text();
    fields.height = m_height->text();
    fields.nowrap = m_nowrap->isChecked();
    fields.data = m_content->text();
    return tableDataScript(fields);
}
