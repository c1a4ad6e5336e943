#pragma once

#include "app/ButtonHelp.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class BuilderLauncher;
class InsertionTarget;
class PictureButton;
class TagBoxes;

// The frame's toolbar: six picture buttons and the three tag boxes in a row along the frame's top
// edge, spaced as the style spaces a toolbar's items. Hidden until switched on from an Options
// menu; the buttons' icons are looked up when it is first shown.
class Toolbar : public QWidget {
    Q_OBJECT
public:
    Toolbar(InsertionTarget& target, BuilderLauncher& builders, QWidget* parent = nullptr);

    PictureButton* button(ToolbarButton which) const;
    TagBoxes& tagBoxes() const { return *m_boxes; }

    // Save, Cut, Copy, Paste and the three boxes are there only while a document is open.
    void showDocumentTools(bool shown);
    bool isShown() const { return !isHidden(); }

    // The help texts a right-click set last, and the help window while it is open.
    const ButtonHelpTexts& helpTexts() const { return m_helpTexts; }
    ButtonHelp* helpWindow() const { return m_help; }

signals:
    // A button's command was asked for with the left mouse button.
    void buttonChosen(ToolbarButton which);
    // The pointer is over a button: its hint for the status line.
    void hint(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    PictureButton* makeButton(ToolbarButton which);
    void loadIcons();
    void showHelp(ToolbarButton which);

    PictureButton* m_buttons[6];
    QList<QWidget*> m_separators;
    bool m_iconsLoaded = false;
    TagBoxes* m_boxes;
    ButtonHelpTexts m_helpTexts;
    QPointer<ButtonHelp> m_help;
};
