#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QLabel;

// The six toolbar buttons, in the toolbar's order.
enum class ToolbarButton { New, Open, Save, Cut, Copy, Paste };

// A button's help: a title and five lines, some of them empty.
struct ButtonHelpTexts {
    QString title;
    QStringList lines;

    bool operator==(const ButtonHelpTexts&) const = default;
};

// The toolbar buttons' help window, shown not modal after a right-click: the help
// title as its caption and the five lines in one label, centred on the screen. A left click on
// the window or its label closes it.
class ButtonHelp : public QDialog {
    Q_OBJECT
public:
    // A button's help from the program's table.
    static ButtonHelpTexts textsFor(ToolbarButton button);
    // The label's text: the lines joined by line feeds, empty lines kept.
    static QString labelText(const ButtonHelpTexts& texts);

    explicit ButtonHelp(const ButtonHelpTexts& texts, QWidget* parent = nullptr);

    QLabel* label() const { return m_label; }

protected:
    void showEvent(QShowEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_label;
    bool m_centred = false;
};
