#include "builders/NumericField.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

NumericField::NumericField(const NumericFieldModel& model, const QString& role, QWidget* parent)
    : QWidget(parent),
      m_model(model),
      m_edit(new QLineEdit(this)),
      m_bar(new QScrollBar(Qt::Vertical, this)) {
    m_edit->setObjectName(role + QStringLiteral("_field"));
    m_bar->setObjectName(role + QStringLiteral("_scroll"));
    // A thin bar no taller than the box beside it.
    m_bar->setFixedSize(m_bar->sizeHint().width(), m_edit->sizeHint().height());
    m_edit->setMaximumWidth(m_edit->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 10);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_edit);
    layout->addWidget(m_bar);
    layout->addStretch();
    setFocusProxy(m_edit);

    showModel();
    connect(m_edit, &QLineEdit::textChanged, this, &NumericField::onTextChanged);
    connect(m_bar, &QScrollBar::valueChanged, this, &NumericField::onBarChanged);
}

void NumericField::choosePercent() {
    m_model.choosePercent();
    showModel();
    m_edit->setFocus();
}

void NumericField::choosePixels() {
    m_model.choosePixels();
    showModel();
    m_edit->setFocus();
}

void NumericField::onTextChanged(const QString& text) {
    m_model.setText(text);
    showModel();
}

void NumericField::onBarChanged(int value) {
    m_model.setPosition(value);
    showModel();
}

void NumericField::showModel() {
    const QSignalBlocker blockBar(m_bar);
    const QSignalBlocker blockEdit(m_edit);
    m_bar->setRange(m_model.minimum(), m_model.maximum());
    m_bar->setSingleStep(m_model.smallStep());
    m_bar->setPageStep(m_model.largeStep());
    m_bar->setValue(m_model.position());
    // Rewriting an unchanged text would move the caret while the user types.
    if (m_edit->text() != m_model.text())
        m_edit->setText(m_model.text());
}
