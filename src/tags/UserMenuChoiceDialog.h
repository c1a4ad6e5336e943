#pragma once

#include <QDialog>

class QComboBox;

// Stop Recording's question: which user menu takes the recorded keystrokes as a new entry. The
// script is shown as it will stand in userdef.dat.
class UserMenuChoiceDialog : public QDialog {
    Q_OBJECT
public:
    explicit UserMenuChoiceDialog(const QString& script, QWidget* parent = nullptr);

    // The menu chosen, 1 to 4.
    int menu() const;

private:
    QComboBox* m_menus;
};
