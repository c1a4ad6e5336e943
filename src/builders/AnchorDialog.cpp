#include "builders/AnchorDialog.h"

#include "builders/BuilderScripts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

AnchorDialog::AnchorDialog(InsertionTarget& target, QWidget* parent)
    : BuilderDialog(target, QStringLiteral("Form1"), tr("Anchor"), parent),
      m_text(new QLineEdit(this)),
      m_href(new QRadioButton(tr("&Href="), this)),
      m_name(new QRadioButton(tr("&Name="), this)),
      m_mailto(new QRadioButton(tr("&Mailto:"), this)) {
    m_label = buddyLabel(tr("Href="), m_text);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setMinimumWidth(m_text->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
    m_href->setObjectName(QStringLiteral("Option1"));
    m_name->setObjectName(QStringLiteral("Option2"));
    m_mailto->setObjectName(QStringLiteral("Option3"));
    m_href->setChecked(true);

    auto* layout = new QVBoxLayout(this);
    auto* textRow = new QHBoxLayout;
    textRow->addWidget(m_label);
    textRow->addWidget(m_text, 1);
    layout->addLayout(textRow);
    auto* options = new QHBoxLayout;
    options->addWidget(m_href);
    options->addWidget(m_name);
    options->addWidget(m_mailto);
    options->addStretch();
    layout->addLayout(options);
    addButtonRow(layout);

    connect(m_href, &QRadioButton::toggled, this, [this](bool on) {
        if (!on)
            return;
        m_label->setText(tr("Href="));
        m_text->setFocus();
    });
    connect(m_name, &QRadioButton::toggled, this, [this](bool on) {
        if (!on)
            return;
        m_label->setText(tr("Name="));
        m_text->setFocus();
    });
    // The mail link keeps the focus on its button.
    connect(m_mailto, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_label->setText(tr("Href=Mailto:"));
    });
    m_text->setFocus();
}

QStringList AnchorDialog::scriptPieces() const {
    AnchorFields fields;
    fields.text = m_text->text();
    if (m_name->isChecked())
        fields.kind = AnchorKind::Name;
    else if (m_mailto->isChecked())
        fields.kind = AnchorKind::Mailto;
    return anchorScript(fields);
}
