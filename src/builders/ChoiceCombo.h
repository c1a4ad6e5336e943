#pragma once

#include <QComboBox>

// An editable list whose builder counts only an item picked from the list: text typed into its
// box by hand means "no choice", even when it spells an item.
class ChoiceCombo : public QComboBox {
    Q_OBJECT

public:
    ChoiceCombo(const QStringList& items, QWidget* parent = nullptr);

    // Position of the item picked from the list, or -1 when none is picked or the text was typed.
    int chosenIndex() const { return m_chosen; }
    // Empties the box and forgets the choice.
    void clearChoice();

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_chosen = -1;
    bool m_typed = false;  // the box's text was typed by hand since the last pick
};
