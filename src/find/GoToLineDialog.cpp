#include "find/GoToLineDialog.h"

#include "ui/TitleWidth.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

GoToLineDialog::GoToLineDialog(int lineCount, QWidget* parent)
    : QDialog(parent), m_field(new QLineEdit) {
    setObjectName(QStringLiteral("go_to_line_dialog"));
    setWindowTitle(QStringLiteral("Go to Line"));
    TitleWidth::keep(*this);
    auto* label = new QLabel(QStringLiteral("&Line (1 - %1), or line:column:").arg(lineCount));
    label->setBuddy(m_field);
    m_field->setObjectName(QStringLiteral("go_to_line_field"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_field, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_ok->setEnabled(LineColumn::parse(text).has_value()); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_field);
    layout->addWidget(buttons);
}

std::optional<LineColumn> GoToLineDialog::target() const {
    return LineColumn::parse(m_field->text());
}
