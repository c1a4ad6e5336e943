#pragma once

#include <QDialog>
#include <functional>

struct FindState;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The modeless Find dialog. It edits the program-wide search state directly and
// asks its owner to search; it closes itself for good on Cancel or its close box.
class FindDialog : public QDialog {
    Q_OBJECT
public:
    // `search` runs one search with the state as the dialog left it.
    FindDialog(FindState& state, std::function<void()> search, QWidget* parent = nullptr);

    // Fills the search field (the Find button follows it).
    void setSearchText(const QString& text);
    QString searchText() const;
    // Checks "Match Case"; the search state follows, as it does for any change of the box.
    void checkMatchCase();
    // Places the dialog in the middle of its screen.
    void centerOnScreen();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* buildDirectionFrame();
    void onFind();
    void onCancel();

    FindState& m_state;
    std::function<void()> m_search;
    QLineEdit* m_field;
    QRadioButton* m_directions[2];
    QCheckBox* m_matchCase;
    QPushButton* m_find;
    QPushButton* m_cancel;
};
