#pragma once

#include <QDialog>
#include <QStringList>

class InsertionTarget;
class NumericField;
class QBoxLayout;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QWidget;

// Common ground of the tag builders: a modeless dialog, centred on the screen when shown, that
// types its pieces into the active document on OK (keeping a selection there: it goes where the
// pieces leave the caret) and then closes and deletes itself. Cancel and
// Esc close it without typing. OK while no document is open keeps the dialog and its values and
// says why in the status line.
class BuilderDialog : public QDialog {
    Q_OBJECT

public:
    void accept() override;

protected:
    BuilderDialog(InsertionTarget& target, const QString& objectName, const QString& caption,
                  QWidget* parent);

    // The pieces to type, in order, read from the dialog's fields.
    virtual QStringList scriptPieces() const = 0;

    // The OK (default) and Cancel buttons, right-aligned in a row added to the layout and named
    // ok_button and cancel_button in every builder.
    void addButtonRow(QBoxLayout* layout);

    // A plain numeric field from 0 to maximum whose typing moves its bar; role names its parts
    // (see NumericField).
    NumericField* makeNumericField(int maximum, int largeStep, const QString& role);
    // A drop-down list read by the position of its selection; nothing is selected at first.
    QComboBox* makePositionList(const QStringList& items, const QString& name);

    // A label for a field, with the field as its buddy.
    static QLabel* buddyLabel(const QString& caption, QWidget* buddy);
    // Light grey background while a box does not apply, white while it does, and dark text on
    // either whatever the palette.
    static void setApplies(QWidget* box, bool applies);
    // A frame holding a unit field and its percent and pixels buttons, percent selected; the
    // buttons convert the field's value when the unit changes.
    static QGroupBox* unitFrame(const QString& title, NumericField* field, QRadioButton* percent,
                                QRadioButton* pixels);

    void showEvent(QShowEvent* event) override;

private:
    InsertionTarget& m_target;
    bool m_centred = false;
};
