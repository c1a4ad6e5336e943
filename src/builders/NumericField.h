#pragma once

#include "builders/NumericFieldModel.h"

#include <QWidget>

class QLineEdit;
class QScrollBar;

// A numeric field on screen: a line edit with a thin vertical scroll bar beside it. The bar's
// value is the model's position (the number is maximum - position), so the bar's up arrow and a
// click in the trough above the thumb raise the number. Every change from either control goes
// through the model, and the model's result is written back with the controls' signals blocked.
class NumericField : public QWidget {
    Q_OBJECT

public:
    // role says what the field holds; the line edit is named role_field and the bar role_scroll
    // (a role of "width" gives width_field and width_scroll).
    NumericField(const NumericFieldModel& model, const QString& role, QWidget* parent = nullptr);

    QLineEdit* lineEdit() const { return m_edit; }
    QScrollBar* scrollBar() const { return m_bar; }
    const NumericFieldModel& model() const { return m_model; }
    QString text() const { return m_model.text(); }

    // Unit fields: the percent or pixels button was selected; converts and focuses the box.
    void choosePercent();
    void choosePixels();

private:
    void onTextChanged(const QString& text);
    void onBarChanged(int value);
    void showModel();

    NumericFieldModel m_model;
    QLineEdit* m_edit;
    QScrollBar* m_bar;
};
