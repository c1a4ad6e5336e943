#pragma once

#include "find/ReplaceEngine.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The modeless Replace dialog: find what, replace with, four options and four buttons. It
// works on whichever editor `editor` names when a button is pressed (the active document's),
// and says in its own message line what went wrong or how many were replaced.
class ReplaceDialog : public QDialog {
    Q_OBJECT
public:
    ReplaceDialog(std::function<QPlainTextEdit*()> editor, QWidget* parent = nullptr);

    ReplaceOptions options() const;
    void setFindText(const QString& text);
    // Puts the keyboard in the search field with its text selected, so typing replaces it.
    void focusFindText();
    QString message() const;
    // "Replaced 3 occurrences.", for the dialog and the status line.
    static QString replacedText(int count);

    // What the buttons do.
    void findNext();
    void replace();
    void replaceAll();

signals:
    // After Replace All, with the number replaced (for the status line).
    void replacedAll(int count);

private:
    QLayout* buildFields();
    QLayout* buildButtons();
    // The editor and a usable engine, or null (with the reason shown) when there is none.
    QPlainTextEdit* prepare(std::optional<ReplaceEngine>& engine);
    void select(QPlainTextEdit& editor, const std::optional<TextRange>& match);

    std::function<QPlainTextEdit*()> m_editor;
    QLineEdit* m_findText;
    QLineEdit* m_replaceText;
    QCheckBox* m_matchCase;
    QCheckBox* m_wholeWord;
    QCheckBox* m_regularExpression;
    QCheckBox* m_wrapAround;
    QPushButton* m_findNext;
    QPushButton* m_replace;
    QPushButton* m_replaceAll;
    QLabel* m_message;
};
