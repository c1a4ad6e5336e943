#include "tags/SurroundTagDialog.h"

#include "tags/HtmlElementNames.h"
#include "ui/TitleWidth.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

SurroundTagDialog::SurroundTagDialog(QWidget* parent) : QDialog(parent), m_field(new QLineEdit) {
    setObjectName(QStringLiteral("surround_tag_dialog"));
    setWindowTitle(tr("Surround With Tag"));
    TitleWidth::keep(*this);
    m_field->setObjectName(QStringLiteral("surround_tag_text"));
    m_field->setPlaceholderText(QStringLiteral("a href=\"\""));
    auto* completer = new QCompleter(htmlElementNames(), m_field);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_field->setCompleter(completer);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setObjectName(QStringLiteral("surround_tag_ok"));
    m_ok->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_field, &QLineEdit::textChanged, this,
            [this] { m_ok->setEnabled(pair().has_value()); });

    auto* form = new QFormLayout;
    form->addRow(tr("&Tag:"), m_field);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

std::optional<TagPair> SurroundTagDialog::pair() const {
    return tagPairFor(m_field->text());
}
