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
    : BuilderDialog(target, QStringLiteral("Form2"), tr("Table"), parent),
      m_border(makeNumericField(100, 10, QStringLiteral("Text1"), QStringLiteral("VScroll1"))),
      m_cellspacing(makeNumericField(100, 10, QStringLiteral("Text2"), QStringLiteral("VScroll2"))),
      m_cellpadding(makeNumericField(100, 10, QStringLiteral("Text3"), QStringLiteral("VScroll3"))),
      m_caption(new QLineEdit(this)),
      m_align(makePositionList(kAlignItems, QStringLiteral("Combo1"))),
      m_captionAlign(makePositionList(kCaptionAlignItems, QStringLiteral("Combo2"))),
      m_width(new NumericField(NumericFieldModel::unitField(), QStringLiteral("Text4"),
                               QStringLiteral("VScroll4"), this)),
      m_percent(new QRadioButton(tr("&Percent"), this)),
      m_pixels(new QRadioButton(tr("Pi&xels"), this)) {
    m_caption->setObjectName(QStringLiteral("Text5"));
    m_percent->setObjectName(QStringLiteral("Option1"));
    m_pixels->setObjectName(QStringLiteral("Option2"));

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
    QGroupBox* frame = unitFrame(tr("Width="), m_width, m_percent, m_pixels);
    frame->setObjectName(QStringLiteral("Frame1"));
    layout->addWidget(frame);
    addButtonRow(layout);
}

QStringList TableDialog::scriptPieces() const {
    TableFields fields;
    fields.alignIndex = m_align->currentIndex();
    fields.border = m_border->text();
    fields.cellspacing = m_cellspacing->text();
    fields.cellpadding = m_cellpadding->text();
    fields.width = m_width->text();
    fields.widthInPixels = m_pixels->isChecked();
    fields.caption = m_caption->text();
    fields.captionAlignIndex = m_captionAlign->currentIndex();
    return tableScript(fields);
}
