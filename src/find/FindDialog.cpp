#include "find/FindDialog.h"

#include "find/FindEngine.h"
#include "ui/TitleWidth.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

FindDialog::FindDialog(FindState& state, std::function<void()> search, QWidget* parent)
    : QDialog(parent),
      m_state(state),
      m_search(std::move(search)),
      m_field(new QLineEdit),
      m_matchCase(new QCheckBox(QStringLiteral("Match &Case"))),
      m_find(new QPushButton(QStringLiteral("&Find"))),
      m_cancel(new QPushButton(QStringLiteral("Cancel"))) {
    setObjectName(QStringLiteral("find_dialog"));
    setWindowTitle(QStringLiteral("Find"));
    TitleWidth::keep(*this);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    auto* label = new QLabel(QStringLiteral("Fi&nd What:"));
    label->setObjectName(QStringLiteral("find_what_label"));
    label->setBuddy(m_field);
    m_field->setObjectName(QStringLiteral("find_what_field"));
    m_matchCase->setObjectName(QStringLiteral("match_case_check"));
    m_find->setObjectName(QStringLiteral("find_button"));
    m_cancel->setObjectName(QStringLiteral("cancel_button"));
    m_find->setDefault(true);
    m_find->setAutoDefault(true);
    m_cancel->setAutoDefault(false);

    auto* fieldRow = new QHBoxLayout;
    fieldRow->addWidget(label);
    fieldRow->addWidget(m_field, 1);
    auto* optionRow = new QHBoxLayout;
    optionRow->addWidget(m_matchCase, 0, Qt::AlignBottom);
    optionRow->addStretch(1);
    optionRow->addWidget(buildDirectionFrame());
    auto* left = new QVBoxLayout;
    left->addLayout(fieldRow);
    left->addLayout(optionRow);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_find);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    // The search state follows every change of the boxes, however it comes: mouse, keyboard, a
    // screen reader or the program itself.
    connect(m_matchCase, &QCheckBox::toggled, this,
            [this](bool checked) { m_state.matchCase = checked ? 1 : 0; });
    connect(m_field, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_find->setEnabled(!text.isEmpty()); });

    // Load: the Find button waits for a search text; the state's direction is preselected.
    m_find->setEnabled(false);
    if (state.direction == 0 || state.direction == 1)
        m_directions[state.direction]->setChecked(true);

    connect(m_find, &QPushButton::clicked, this, &FindDialog::onFind);
    connect(m_cancel, &QPushButton::clicked, this, &FindDialog::onCancel);
    adjustSize();
    centerOnScreen();
}

QWidget* FindDialog::buildDirectionFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Direction"));
    frame->setObjectName(QStringLiteral("direction_frame"));
    auto* row = new QHBoxLayout(frame);
    const QString captions[2] = {QStringLiteral("&Up"), QStringLiteral("&Down")};
    const QString names[2] = {QStringLiteral("direction_up_option"),
                              QStringLiteral("direction_down_option")};
    for (int index = 0; index < 2; ++index) {
        auto* button = new QRadioButton(captions[index]);
        button->setObjectName(names[index]);
        connect(button, &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked)
                m_state.direction = index;
        });
        row->addWidget(button);
        m_directions[index] = button;
    }
    return frame;
}

void FindDialog::setSearchText(const QString& text) {
    m_field->setText(text);
}

QString FindDialog::searchText() const {
    return m_field->text();
}

void FindDialog::checkMatchCase() {
    m_matchCase->setChecked(true);
}

void FindDialog::centerOnScreen() {
    const QScreen* shownOn = screen();
    if (!shownOn)
        return;
    const QRect area = shownOn->geometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

void FindDialog::keyPressEvent(QKeyEvent* event) {
    // Escape answers the Cancel button, which also keeps what was typed for Find Next.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_cancel->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FindDialog::onFind() {
    m_state.text = m_field->text();
    m_search();
}

void FindDialog::onCancel() {
    m_state.text = m_field->text();
    m_state.matchCase = m_matchCase->isChecked() ? 1 : 0;
    close();
}
