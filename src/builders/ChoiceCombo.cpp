#include "builders/ChoiceCombo.h"

#include <QLineEdit>

ChoiceCombo::ChoiceCombo(const QStringList& items, QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Inline completion would turn a typed "c" into "center"; typed text stays as typed.
    setCompleter(nullptr);
    addItems(items);
    setCurrentIndex(-1);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) { m_chosen = index; });
    // activated also covers picking the item that was current before the text was typed over.
    connect(this, &QComboBox::activated, this, [this](int index) { m_chosen = index; });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_chosen = -1; });
}

void ChoiceCombo::clearChoice() {
    setCurrentIndex(-1);
    clearEditText();
    m_chosen = -1;
}
