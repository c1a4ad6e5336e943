#pragma once

#include <QDialog>

class CommonDialog;
class DialogService;
class Preferences;
class QCheckBox;
class QLabel;

// Template Options: whether new documents start from a template, and which file. Modeless, one
// at a time; it stores its choice only on OK.
class TemplateOptionsDialog : public QDialog {
    Q_OBJECT
public:
    // `fileDialog` is the frame's file dialog, shared with the file commands. Browse starts in
    // `startersFolder`, where the program's own templates lie, unless a file is shown already.
    TemplateOptionsDialog(Preferences& prefs, CommonDialog& fileDialog, DialogService& dialogs,
                          const QString& startersFolder, QWidget* parent);

    // The file display.
    QString fileShown() const;

signals:
    // OK was pressed and the choice stored: `marked` is whether the Template entries of the
    // frame and the active document now carry their check mark.
    void chosen(bool marked, const QString& file);

private:
    void buildLayout();
    void loadStored();
    void centreOnScreen();
    void browse();
    void accept() override;

    Preferences& m_prefs;
    CommonDialog& m_fileDialog;
    QString m_startersFolder;
    DialogService& m_dialogs;
    QCheckBox* m_useTemplate;
    QLabel* m_file;
};
