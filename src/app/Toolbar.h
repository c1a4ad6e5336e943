#pragma once

#include "app/ButtonHelp.h"

#include <QPointer>
#include <QWidget>

class MainFrame;
class PictureButton;
class QAction;
class TagBoxes;

// The frame's toolbar (`picToolbar`): six picture buttons and the three tag boxes at fixed
// places along the frame's top edge. Hidden until switched on from an Options menu.
class Toolbar : public QWidget {
    Q_OBJECT
public:
    explicit Toolbar(MainFrame& frame, QWidget* parent = nullptr);

    PictureButton* button(ToolbarButton which) const;
    TagBoxes& tagBoxes() const { return *m_boxes; }

    // Save, Cut, Copy, Paste and the three boxes are there only while a document is open.
    void showDocumentTools(bool shown);
    // The Toolbar entry `chosen` (the frame's or a document window's) was picked and has already
    // inverted its mark: the frame's mark follows it, the toolbar shows or hides to match, and the
    // choice is stored unless the preferences were cleared.
    void switchFrom(QAction* chosen);
    bool isShown() const { return !isHidden(); }

    // The help texts a right-click set last, and the help window while it is open.
    const ButtonHelpTexts& helpTexts() const { return m_helpTexts; }
    ButtonHelp* helpWindow() const { return m_help; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void runCommand(ToolbarButton which);
    void showHelp(ToolbarButton which);
    void showHint(const QString& hint);

    MainFrame& m_frame;
    PictureButton* m_buttons[6];
    TagBoxes* m_boxes;
    ButtonHelpTexts m_helpTexts;
    QPointer<ButtonHelp> m_help;
};
