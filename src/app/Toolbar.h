#pragma once

#include "app/ButtonHelp.h"

#include <QPointer>
#include <QWidget>

class BuilderLauncher;
class InsertionTarget;
class PictureButton;
class TagBoxes;

// The frame's toolbar: six picture buttons and the three tag boxes at fixed places along the
// frame's top edge. Hidden until switched on from an Options menu.
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

private:
    void showHelp(ToolbarButton which);

    PictureButton* m_buttons[6];
    TagBoxes* m_boxes;
    ButtonHelpTexts m_helpTexts;
    QPointer<ButtonHelp> m_help;
};
