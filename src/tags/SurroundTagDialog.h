#pragma once

#include "tags/SurroundTag.h"

#include <QDialog>
#include <optional>

class QLineEdit;
class QPushButton;

// Asks for the tag to surround the selection with: an element name, completed from the HTML
// element names, and optional attributes. OK stays disabled while the text names no element.
class SurroundTagDialog : public QDialog {
    Q_OBJECT
public:
    explicit SurroundTagDialog(QWidget* parent = nullptr);

    QLineEdit* tagField() const { return m_field; }
    // The pair for the typed text, nothing while it names no element.
    std::optional<TagPair> pair() const;

private:
    QLineEdit* m_field;
    QPushButton* m_ok;
};
