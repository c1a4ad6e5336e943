#pragma once

#include "document/LineColumn.h"

#include <QDialog>
#include <optional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Asks for a line (and optionally a column, as "line:column" or "line,column") to move the
// caret to. OK waits for something it can read.
class GoToLineDialog : public QDialog {
    Q_OBJECT
public:
    explicit GoToLineDialog(int lineCount, QWidget* parent = nullptr);

    std::optional<LineColumn> target() const;

    // Shows the dialog over `editor` and, unless cancelled, moves its caret; true when moved.
    static bool run(QPlainTextEdit& editor);
    // Puts the caret at `target` (clamped into the text) and brings it into view.
    static void moveCaret(QPlainTextEdit& editor, const LineColumn& target);

private:
    QLineEdit* m_field;
    QPushButton* m_ok;
};
