#pragma once

#include <QDialog>

class MainFrame;
class QAction;
class QCheckBox;
class QLabel;

// Template Options (`Form11`): whether new documents start from a template, and which file.
// Modeless, one at a time; it stores its choice only on OK.
class TemplateOptionsDialog : public QDialog {
    Q_OBJECT
public:
    // Shows the frame's dialog, creating it when none is open.
    static TemplateOptionsDialog* open(MainFrame& frame);
    // The Template entry of the frame's or a window's Options menu: it opens the dialog and
    // leaves its own check mark alone (the dialog's OK sets the marks).
    static void bindMenuEntry(MainFrame& frame, QAction* entry);

    explicit TemplateOptionsDialog(MainFrame& frame);

    // The file display (`Label1`).
    QString fileShown() const;

private:
    void buildLayout();
    void loadStored();
    void centreOnScreen();
    void browse();
    void accept() override;
    void setMarks(bool checked);

    MainFrame& m_frame;
    QCheckBox* m_useTemplate;
    QLabel* m_file;
};
