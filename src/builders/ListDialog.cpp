#include "builders/ListDialog.h"

#include "builders/BuilderScripts.h"
#include "builders/ChoiceCombo.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QStringList kBulletItems = {"disc", "square", "circle"};

}  // namespace

ListDialog::ListDialog(InsertionTarget& target, QWidget* parent)
    : BuilderDialog(target, QStringLiteral("list_builder"), tr("List Builder"), parent),
      m_ordered(new QRadioButton(tr("Ordered List"), this)),
      m_unordered(new QRadioButton(tr("Unordered List"), this)),
      m_definition(new QRadioButton(tr("Definition List"), this)),
      m_numbering(new ChoiceCombo(QStringList{"None"} + numberingStyleItems(), this)),
      m_start(new QLineEdit(this)),
      m_bullet(new ChoiceCombo(kBulletItems, this)),
      m_compact(new QCheckBox(tr("Compact List"), this)) {
    m_ordered->setObjectName(QStringLiteral("ordered_option"));
    m_unordered->setObjectName(QStringLiteral("unordered_option"));
    m_definition->setObjectName(QStringLiteral("definition_option"));
    m_numbering->setObjectName(QStringLiteral("numbering_box"));
    m_start->setObjectName(QStringLiteral("start_field"));
    m_bullet->setObjectName(QStringLiteral("bullet_box"));
    m_compact->setObjectName(QStringLiteral("compact_check"));

    auto* layout = new QVBoxLayout(this);
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(m_ordered);
    kinds->addWidget(m_unordered);
    kinds->addWidget(m_definition);
    layout->addLayout(kinds);
    auto* grid = new QGridLayout;
    grid->addWidget(buddyLabel(tr("Numbering style="), m_numbering), 0, 0);
    grid->addWidget(m_numbering, 0, 1);
    grid->addWidget(buddyLabel(tr("Start Number="), m_start), 1, 0);
    grid->addWidget(m_start, 1, 1);
    grid->addWidget(buddyLabel(tr("Bullet type="), m_bullet), 2, 0);
    grid->addWidget(m_bullet, 2, 1);
    grid->addWidget(m_compact, 3, 1);
    layout->addLayout(grid);
    addButtonRow(layout);

    m_ordered->setChecked(true);
    showOrdered();
    m_start->setText(QStringLiteral("1"));
    connect(m_ordered, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            showOrdered();
    });
    connect(m_unordered, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            showUnordered();
    });
    connect(m_definition, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            showDefinition();
    });
}

// Going back to an ordered list keeps the texts as they are: an emptied start stays empty.
void ListDialog::showOrdered() {
    setApplies(m_numbering, true);
    setApplies(m_start, true);
    m_compact->setEnabled(true);
    setApplies(m_bullet, false);
}

void ListDialog::showUnordered() {
    m_numbering->clearChoice();
    setApplies(m_numbering, false);
    m_start->clear();
    setApplies(m_start, false);
    m_compact->setEnabled(true);
    setApplies(m_bullet, true);
}

void ListDialog::showDefinition() {
    m_numbering->clearChoice();
    setApplies(m_numbering, false);
    m_start->clear();
    setApplies(m_start, false);
    m_compact->setChecked(false);
    m_compact->setEnabled(false);
    m_bullet->clearChoice();
    setApplies(m_bullet, false);
}

QStringList ListDialog::scriptPieces() const {
    ListFields fields;
    if (m_unordered->isChecked())
        fields.kind = ListKind::Unordered;
    else if (m_definition->isChecked())
        fields.kind = ListKind::Definition;
    fields.numberingIndex = m_numbering->chosenIndex();
    fields.startNumber = m_start->text();
    fields.bulletIndex = m_bullet->chosenIndex();
    fields.compact = m_compact->isChecked();
    return listScript(fields);
}
