#include "builders/TableRowDialog.h"

#include "builders/BuilderScripts.h"
#include "builders/ChoiceCombo.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QStringList kAlignItems = {"left", "center", "right"};
const QStringList kValignItems = {"top", "middle", "bottom"};

}  // namespace

TableRowDialog::TableRowDialog(InsertionTarget& target, QWidget* parent)
    : BuilderDialog(target, QStringLiteral("table_row_builder"), tr("Table Row"), parent),
      m_align(new ChoiceCombo(kAlignItems, this)),
      m_valign(new ChoiceCombo(kValignItems, this)) {
    m_align->setObjectName(QStringLiteral("align_box"));
    m_valign->setObjectName(QStringLiteral("valign_box"));

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(buddyLabel(tr("Align="), m_align), 0, 0);
    grid->addWidget(m_align, 0, 1);
    grid->addWidget(buddyLabel(tr("Valign="), m_valign), 1, 0);
    grid->addWidget(m_valign, 1, 1);
    layout->addLayout(grid);
    addButtonRow(layout);
}

// These lists count by their text: a picked item and a typed value are used alike.
QStringList TableRowDialog::scriptPieces() const {
    return tableRowScript({m_align->currentText(), m_valign->currentText()});
}
