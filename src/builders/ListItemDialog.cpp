#include "builders/ListItemDialog.h"

#include "builders/BuilderScripts.h"
#include "builders/ChoiceCombo.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

const QStringList kBulletItems = {"none", "disc", "square", "circle"};

// The box's text with its line breaks as line feeds; unlike toPlainText, no-break spaces stay.
QString boxText(const QPlainTextEdit* box) {
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

}  // namespace

ListItemDialog::ListItemDialog(InsertionTarget& target, QWidget* parent)
    : BuilderDialog(target, QStringLiteral("list_item_builder"), tr("List Item Builder"), parent),
      m_ordered(new QRadioButton(tr("Ordered List Item"), this)),
      m_unordered(new QRadioButton(tr("Unordered List Item"), this)),
      m_term(new QRadioButton(tr("Definition List Term"), this)),
      m_definition(new QRadioButton(tr("Definition List Definition"), this)),
      m_numbering(new ChoiceCombo(QStringList{"none"} + numberingStyleItems(), this)),
      m_value(new QLineEdit(this)),
      m_bullet(new ChoiceCombo(kBulletItems, this)),
      m_text(new QPlainTextEdit(this)) {
    m_ordered->setObjectName(QStringLiteral("ordered_option"));
    m_unordered->setObjectName(QStringLiteral("unordered_option"));
    m_term->setObjectName(QStringLiteral("term_option"));
    m_definition->setObjectName(QStringLiteral("definition_option"));
    m_numbering->setObjectName(QStringLiteral("numbering_box"));
    m_value->setObjectName(QStringLiteral("value_field"));
    m_bullet->setObjectName(QStringLiteral("bullet_box"));
    m_text->setObjectName(QStringLiteral("text_field"));
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setTabChangesFocus(true);
    setApplies(m_text, true);

    auto* layout = new QVBoxLayout(this);
    auto* kinds = new QGridLayout;
    kinds->addWidget(m_ordered, 0, 0);
    kinds->addWidget(m_unordered, 0, 1);
    kinds->addWidget(m_term, 1, 0);
    kinds->addWidget(m_definition, 1, 1);
    layout->addLayout(kinds);
    auto* grid = new QGridLayout;
    grid->addWidget(buddyLabel(tr("Numbering style="), m_numbering), 0, 0);
    grid->addWidget(m_numbering, 0, 1);
    grid->addWidget(buddyLabel(tr("Start Number="), m_value), 1, 0);
    grid->addWidget(m_value, 1, 1);
    grid->addWidget(buddyLabel(tr("Bullet type="), m_bullet), 2, 0);
    grid->addWidget(m_bullet, 2, 1);
    grid->addWidget(buddyLabel(tr("Text:"), m_text), 3, 0, Qt::AlignTop);
    grid->addWidget(m_text, 3, 1);
    layout->addLayout(grid);
    addButtonRow(layout);

    m_ordered->setChecked(true);
    showOrdered();
    m_value->setText(QStringLiteral("1"));
    connect(m_ordered, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            showOrdered();
    });
    connect(m_unordered, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            showUnordered();
    });
    for (QRadioButton* button : {m_term, m_definition})
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                showDefinitionPart();
        });
}

// Going back to an ordered item keeps the texts as they are: an emptied value stays empty.
void ListItemDialog::showOrdered() {
    setApplies(m_numbering, true);
    setApplies(m_value, true);
    setApplies(m_bullet, false);
}

void ListItemDialog::showUnordered() {
    m_numbering->clearChoice();
    setApplies(m_numbering, false);
    m_value->clear();
    setApplies(m_value, false);
    setApplies(m_bullet, true);
}

void ListItemDialog::showDefinitionPart() {
    m_numbering->clearChoice();
    setApplies(m_numbering, false);
    m_value->clear();
    setApplies(m_value, false);
    m_bullet->clearChoice();
    setApplies(m_bullet, false);
}

QStringList ListItemDialog::scriptPieces() const {
    ListItemFields fields;
    if (m_unordered->isChecked())
        fields.kind = ListItemKind::Unordered;
    else if (m_term->isChecked())
        fields.kind = ListItemKind::Term;
    else if (m_definition->isChecked())
        fields.kind = ListItemKind::Definition;
    fields.numberingIndex = m_numbering->chosenIndex();
    fields.value = m_value->text();
    fields.bulletIndex = m_bullet->chosenIndex();
    fields.text = boxText(m_text);
    return listItemScript(fields);
}
