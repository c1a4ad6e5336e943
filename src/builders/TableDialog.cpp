#include "builders/TableDialog.h"

#include "builders/BuilderScripts.h"
#include "builders/NumericField.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QStringList kAlignItems = {"none", "left", "center", "right"};
const QStringList kCaptionAlignItems = {"none", "top", "bottom"};

}  // namespace

TableDialog::TableDialog(InsertionTarget& target, QWidget* parent)
    : BuilderDialog(target, QStringLiteral("table_builder"), tr("Table"), parent),
      m_border(makeNumericField(100, 10, QStringLiteral("border"))),
      m_cellspacing(makeNumericField(100, 10, QStringLiteral("cellspacing"))),
      m_cellpadding(makeNumericField(100, 10, QStringLiteral("cellpadding"))),
      m_caption(new QLineEdit(this)),
      m_align(makePositionList(kAlignItems, QStringLiteral("align_box"))),
      m_captionAlign(makePositionList(kCaptionAlignItems, QStringLiteral("caption_align_box"))),
      m_width(new NumericField(NumericFieldModel::unitField(), QStringLiteral("width"), this)),
      m_widthPercent(new QRadioButton(tr("&Percent"), this)),
      m_widthPixels(new QRadioButton(tr("Pi&xels"), this)) {
    m_caption->setObjectName(QStringLiteral("caption_field"));
    m_widthPercent->setObjectName(QStringLiteral("width_percent_option"));
    m_widthPixels->setObjectName(QStringLiteral("width_pixels_option"));

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    const std::pair<QString, QWidget*> rows[] = {
        {tr("Border="), m_border},           {tr("Cellspacing="), m_cellspacing},
        {tr("Cellpadding="), m_cellpadding}, {tr("Caption="), m_caption},
        {tr("Table Alignment="), m_align},   {tr("Caption Alignment="), m_captionAlign},
    };
    int row = 0;
    for (const auto& [caption, field] : rows) {
        grid->addWidget(buddyLabel(caption, field), row, 0);
        grid->addWidget(field, row++, 1);
    }
    layout->addLayout(grid);
    QGroupBox* widthFrame = unitFrame(tr("Width="), m_width, m_widthPercent, m_widthPixels);
    widthFrame->setObjectName(QStringLiteral("width_frame"));
    layout->addWidget(widthFrame);
    addButtonRow(layout);
}

QStringList TableDialog::scriptPieces() const {
    TableFields fields;
    fields.alignIndex = m_align->currentIndex();
    fields.border = m_border->text();
    fields.cellspacing = m_cellspacing->text();
    fields.cellpadding = m_cellpadding->text();
    fields.width = m_width->text();
    fields.widthInPixels = m_widthPixels->isChecked();
    fields.caption = m_caption->text();
    fields.captionAlignIndex = m_captionAlign->currentIndex();
    return tableScript(fields);
}
