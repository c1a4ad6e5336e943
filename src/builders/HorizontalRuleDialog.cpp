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
    : BuilderDialog(target, QStringLiteral("Form9"), tr("Horizontal Rule"), parent),
      m_align(new ChoiceCombo(kAlignItems, this)),
      m_noshade(new QCheckBox(tr("&Noshade"), this)),
      m_size(new NumericField(NumericFieldModel::unitField(), QStringLiteral("Text1"),
                              QStringLiteral("VScroll1"), this)),
      m_sizePercent(new QRadioButton(tr("&Percent"), this)),
      m_sizePixels(new QRadioButton(tr("Pi&xels"), this)),
      m_width(new NumericField(NumericFieldModel::unitField(), QStringLiteral("Text4"),
                               QStringLiteral("VScroll4"), this)),
      m_widthPercent(new QRadioButton(tr("Pe&rcent"), this)),
      m_widthPixels(new QRadioButton(tr("Pixe&ls"), this)) {
    m_align->setObjectName(QStringLiteral("Combo1"));
    m_noshade->setObjectName(QStringLiteral("Check1"));
    m_sizePercent->setObjectName(QStringLiteral("Option1"));
    m_sizePixels->setObjectName(QStringLiteral("Option2"));
    m_widthPercent->setObjectName(QStringLiteral("Option3"));
    m_widthPixels->setObjectName(QStringLiteral("Option4"));

    auto* layout = new QVBoxLayout(this);
    auto* top = new QGridLayout;
    top->addWidget(buddyLabel(tr("Align="), m_align), 0, 0);
    top->addWidget(m_align, 0, 1);
    top->addWidget(m_noshade, 1, 1);
    layout->addLayout(top);
    layout->addWidget(unitFrame(tr("Size="), m_size, m_sizePercent, m_sizePixels));
    layout->addWidget(unitFrame(tr("Width="), m_width, m_widthPercent, m_widthPixels));
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
