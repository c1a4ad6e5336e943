#include "builders/ImageDialog.h"

#include "builders/BuilderScripts.h"
#include "builders/NumericField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

const QStringList kAlignItems = {"none", "top", "middle", "bottom", "left", "right"};

}  // namespace

ImageDialog::ImageDialog(InsertionTarget& target, QWidget* parent)
    : BuilderDialog(target, QStringLiteral("image_builder"), tr("Images"), parent),
      m_file(new QLineEdit(this)),
      m_description(new QLineEdit(this)),
      m_align(makePositionList(kAlignItems, QStringLiteral("align_box"))),
      m_hspace(makeNumericField(1200, 100, QStringLiteral("hspace"))),
      m_vspace(makeNumericField(1200, 100, QStringLiteral("vspace"))),
      m_width(makeNumericField(1200, 100, QStringLiteral("width"))),
      m_height(makeNumericField(1200, 100, QStringLiteral("height"))),
      m_border(makeNumericField(100, 10, QStringLiteral("border"))),
      m_ismap(new QCheckBox(tr("ismap"), this)) {
    m_file->setObjectName(QStringLiteral("file_field"));
    m_description->setObjectName(QStringLiteral("description_field"));
    m_ismap->setObjectName(QStringLiteral("ismap_check"));

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    const std::pair<QString, QWidget*> rows[] = {
        {tr("Image File:"), m_file}, {tr("Description:"), m_description}, {tr("Align:"), m_align},
        {tr("Width="), m_width},     {tr("Height="), m_height},           {tr("Border="), m_border},
        {tr("Hspace="), m_hspace},   {tr("Vspace="), m_vspace},
    };
    int row = 0;
    for (const auto& [caption, box] : rows) {
        grid->addWidget(buddyLabel(caption, box), row, 0);
        grid->addWidget(box, row++, 1);
    }
    grid->addWidget(m_ismap, row, 1);
    layout->addLayout(grid);
    addButtonRow(layout);
}

QStringList ImageDialog::scriptPieces() const {
    ImageFields fields;
    fields.file = m_file->text();
    fields.description = m_description->text();
    fields.ismap = m_ismap->isChecked();
    fields.alignIndex = m_align->currentIndex();
    fields.width = m_width->text();
    fields.height = m_height->text();
    fields.border = m_border->text();
    fields.hspace = m_hspace->text();
    fields.vspace = m_vspace->text();
    return imageScript(fields);
}
