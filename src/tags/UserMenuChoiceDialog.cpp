#include "tags/UserMenuChoiceDialog.h"

#include "state/UserMenuFile.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

UserMenuChoiceDialog::UserMenuChoiceDialog(const QString& script, QWidget* parent)
    : QDialog(parent), m_menus(new QComboBox) {
    setObjectName(QStringLiteral("user_menu_choice_dialog"));
    setWindowTitle(tr("Save Recorded Keystrokes"));
    m_menus->setObjectName(QStringLiteral("user_menu_choice"));
    for (int menu = 1; menu <= UserMenuFile::kMenuCount; ++menu)
        m_menus->addItem(tr("User Defined %1").arg(menu));
    auto* shown = new QLineEdit(script);
    shown->setObjectName(QStringLiteral("recorded_script"));
    shown->setReadOnly(true);
    shown->setCursorPosition(0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(tr("&Keystrokes:"), shown);
    form->addRow(tr("Add to &menu:"), m_menus);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    m_menus->setFocus();
}

int UserMenuChoiceDialog::menu() const {
    return m_menus->currentIndex() + 1;
}
