#include "builders/BuilderDialog.h"

#include "builders/NumericField.h"
#include "tags/InsertionTarget.h"
#include "ui/TitleWidth.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {

const QColor kInapplicableBackground(0xC0, 0xC0, 0xC0);
const QColor kApplicableBackground(0xFF, 0xFF, 0xFF);
// The backgrounds are fixed, so the text on them is too: a dark palette's light text would not
// read on white.
const QColor kTextOnBackground(0x00, 0x00, 0x00);
const QColor kDisabledTextOnBackground(0x50, 0x50, 0x50);

}  // namespace

BuilderDialog::BuilderDialog(InsertionTarget& target, const QString& objectName,
                             const QString& caption, QWidget* parent)
    : QDialog(parent), m_target(target) {
    setObjectName(objectName);
    setWindowTitle(caption);
    TitleWidth::keep(*this);
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
}

void BuilderDialog::accept() {
    if (!m_target.hasActiveDocument()) {
        m_target.showStatusNote(QStringLiteral(" A document must be open to insert the tag."));
        return;
    }
    for (const QString& piece : scriptPieces())
        m_target.typeKeystrokeScript(piece);
    QDialog::accept();
}

void BuilderDialog::addButtonRow(QBoxLayout* layout) {
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ok_button"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel_button"));
    connect(ok, &QPushButton::clicked, this, &BuilderDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &BuilderDialog::reject);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    layout->addLayout(row);
}

NumericField* BuilderDialog::makeNumericField(int maximum, int largeStep, const QString& role) {
    return new NumericField(NumericFieldModel(maximum, largeStep), role, this);
}

QComboBox* BuilderDialog::makePositionList(const QStringList& items, const QString& name) {
    auto* list = new QComboBox(this);
    list->setObjectName(name);
    list->addItems(items);
    list->setCurrentIndex(-1);
    return list;
}

QLabel* BuilderDialog::buddyLabel(const QString& caption, QWidget* buddy) {
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    return label;
}

void BuilderDialog::setApplies(QWidget* box, bool applies) {
    box->setEnabled(applies);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, applies ? kApplicableBackground : kInapplicableBackground);
    palette.setColor(QPalette::Active, QPalette::Text, kTextOnBackground);
    palette.setColor(QPalette::Inactive, QPalette::Text, kTextOnBackground);
    palette.setColor(QPalette::Disabled, QPalette::Text, kDisabledTextOnBackground);
    box->setPalette(palette);
}

QGroupBox* BuilderDialog::unitFrame(const QString& title, NumericField* field,
                                    QRadioButton* percent, QRadioButton* pixels) {
    auto* frame = new QGroupBox(title);
    percent->setChecked(true);
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(field);
    layout->addWidget(percent);
    layout->addWidget(pixels);
    // Only a real change of unit converts: re-selecting the current unit leaves the value alone.
    connect(percent, &QRadioButton::toggled, field, [field](bool on) {
        if (on)
            field->choosePercent();
    });
    connect(pixels, &QRadioButton::toggled, field, [field](bool on) {
        if (on)
            field->choosePixels();
    });
    return frame;
}

void BuilderDialog::showEvent(QShowEvent* event) {
    if (!m_centred) {
        m_centred = true;
        const QRect area = screen()->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    QDialog::showEvent(event);
}
