#include "builders/AnchorDialog.h"

#include "builders/BuilderScripts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

AnchorDialog::AnchorDialog(InsertionTarget& target, QWidget* parent)
    : BuilderDialog(target, QStringLiteral("anchor_builder"), tr("Anchor"), parent),
      m_url(new QLineEdit(this)),
      m_href(new QRadioButton(tr("&Href="), this)),
      m_name(new QRadioButton(tr("&Name="), this)),
      m_mailto(new QRadioButton(tr("&Mailto:"), this)) {
    m_urlLabel = buddyLabel(tr("Href="), m_url);
    m_urlLabel->setObjectName(QStringLiteral("url_label"));
    m_url->setObjectName(QStringLiteral("url_field"));
    m_url->setMinimumWidth(m_url->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
    m_href->setObjectName(QStringLiteral("href_option"));
    m_name->setObjectName(QStringLiteral("name_option"));
    m_mailto->setObjectName(QStringLiteral("mailto_option"));
    m_href->setChecked(true);

    auto* layout = new QVBoxLayout(this);
    auto* urlRow = new QHBoxLayout;
    urlRow->addWidget(m_urlLabel);
    urlRow->addWidget(m_url, 1);
    layout->addLayout(urlRow);
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
        m_urlLabel->setText(tr("Href="));
        m_url->setFocus();
    });
    connect(m_name, &QRadioButton::toggled, this, [this](bool on) {
        if (!on)
            return;
        m_urlLabel->setText(tr("Name="));
        m_url->setFocus();
    });
    // The mail link keeps the focus on its button.
    connect(m_mailto, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_urlLabel->setText(tr("Href=Mailto:"));
    });
    m_url->setFocus();
}

QStringList AnchorDialog::scriptPieces() const {
    AnchorFields fields;
    fields.text = m_url->text();
    if (m_name->isChecked())
        fields.kind = AnchorKind::Name;
    else if (m_mailto->isChecked())
        fields.kind = AnchorKind::Mailto;
    return anchorScript(fields);
}
