#pragma once

#include "text/LineColumn.h"

#include <QDialog>
#include <optional>

class QLineEdit;
class QPushButton;

// Asks for a line (and optionally a column, as "line:column" or "line,column") to move the
// caret to. OK waits for something it can read. Shown through the dialog seam.
class GoToLineDialog : public QDialog {
    Q_OBJECT
public:
    explicit GoToLineDialog(int lineCount, QWidget* parent = nullptr);

    std::optional<LineColumn> target() const;

private:
    QLineEdit* m_field;
    QPushButton* m_ok;
};
