#include "builders/ChoiceCombo.h"

#include <QKeyEvent>
#include <QLineEdit>

ChoiceCombo::ChoiceCombo(const QStringList& items, QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Inline completion would turn a typed "c" into "center"; typed text stays as typed.
    setCompleter(nullptr);
    addItems(items);
    setCurrentIndex(-1);
    // While the text is typed by hand, a change of the current item is Qt matching that text
    // against the items (it does so, and reports it as activated, when editing ends): no
    // choice. Opening the list or stepping through it with the keys picks again.
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_typed)
            m_chosen = index;
    });
    // activated also covers picking the item that was current before the text was typed over.
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!m_typed)
            m_chosen = index;
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        m_typed = true;
        m_chosen = -1;
    });
}

void ChoiceCombo::clearChoice() {
    setCurrentIndex(-1);
    clearEditText();
    m_typed = false;
    m_chosen = -1;
}

void ChoiceCombo::showPopup() {
    m_typed = false;
    QComboBox::showPopup();
}

void ChoiceCombo::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            m_typed = false;
            break;
        default:
            break;
    }
    QComboBox::keyPressEvent(event);
}
