#include "builders/HorizontalRuleDialog.h"

#include "builders/BuilderScripts.h"
#include "builders/ChoiceCombo.h"
#include "builders/NumericField.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QStringList kAlignItems = {"none", "left", "center", "right"};

}  // namespace

HorizontalRuleDialog::HorizontalRuleDialog(InsertionTarget& target, QWidget* parent)
    : BuilderDialog(target, QStringLiteral("horizontal_rule_builder"), tr("Horizontal Rule"),
                    parent),
      m_align(new ChoiceCombo(kAlignItems, this)),
      m_noshade(new QCheckBox(tr("&Noshade"), this)),
      m_size(new NumericField(NumericFieldModel::unitField(), QStringLiteral("size"), this)),
      m_sizePercent(new QRadioButton(tr("&Percent"), this)),
      m_sizePixels(new QRadioButton(tr("Pi&xels"), this)),
      m_width(new NumericField(NumericFieldModel::unitField(), QStringLiteral("width"), this)),
      m_widthPercent(new QRadioButton(tr("Pe&rcent"), this)),
      m_widthPixels(new QRadioButton(tr("Pixe&ls"), this)) {
    m_align->setObjectName(QStringLiteral("align_box"));
    m_noshade->setObjectName(QStringLiteral("noshade_check"));
    m_sizePercent->setObjectName(QStringLiteral("size_percent_option"));
    m_sizePixels->setObjectName(QStringLiteral("size_pixels_option"));
    m_widthPercent->setObjectName(QStringLiteral("width_percent_option"));
    m_widthPixels->setObjectName(QStringLiteral("width_pixels_option"));

    auto* layout = new QVBoxLayout(this);
    auto* top = new QGridLayout;
    top->addWidget(buddyLabel(tr("Align="), m_align), 0, 0);
    top->addWidget(m_align, 0, 1);
    top->addWidget(m_noshade, 1, 1);
    layout->addLayout(top);
    QGroupBox* sizeFrame = unitFrame(tr("Size="), m_size, m_sizePercent, m_sizePixels);
    sizeFrame->setObjectName(QStringLiteral("size_frame"));
    layout->addWidget(sizeFrame);
    QGroupBox* widthFrame = unitFrame(tr("Width="), m_width, m_widthPercent, m_widthPixels);
    widthFrame->setObjectName(QStringLiteral("width_frame"));
    layout->addWidget(widthFrame);
    addButtonRow(layout);
}

QStringList HorizontalRuleDialog::scriptPieces() const {
    HorizontalRuleFields fields;
    fields.alignIndex = m_align->chosenIndex();
    fields.noshade = m_noshade->isChecked();
    fields.size = m_size->text();
    fields.sizeInPixels = m_sizePixels->isChecked();
    fields.width = m_width->text();
    fields.widthInPixels = m_widthPixels->isChecked();
    return horizontalRuleScript(fields);
}
