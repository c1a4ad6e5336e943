#include "templates/TemplateOptionsDialog.h"

#include "files/DocumentFiles.h"
#include "state/Preferences.h"
#include "ui/CommonDialog.h"
#include "ui/TitleWidth.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const char* const kInstructions =
    "Use the Browse button to find your template file.  When a template file is shown and the "
    "Check Box above is checked, all new documents will be created with the file shown below "
    "automatically loaded.";

QPushButton* namedButton(const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption));
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

TemplateOptionsDialog::TemplateOptionsDialog(Preferences& prefs, CommonDialog& fileDialog,
                                             DialogService& dialogs, const QString& startersFolder,
                                             QWidget* parent)
    : QDialog(parent),
      m_prefs(prefs),
      m_fileDialog(fileDialog),
      m_startersFolder(startersFolder),
      m_dialogs(dialogs),
      m_useTemplate(new QCheckBox(QStringLiteral("Use template when creating a new file."))),
      m_file(new QLabel) {
    setObjectName(QStringLiteral("template_options"));
    setWindowTitle(QStringLiteral("Template Options"));
    TitleWidth::keep(*this);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    buildLayout();
    loadStored();
    centreOnScreen();
}

void TemplateOptionsDialog::buildLayout() {
    m_useTemplate->setObjectName(QStringLiteral("use_template_check"));
    m_file->setObjectName(QStringLiteral("template_file_label"));
    // A path is shown as it is, never read as markup; it can be selected but not typed into.
    m_file->setTextFormat(Qt::PlainText);
    m_file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_file->setFrameShape(QFrame::StyledPanel);
    m_file->setMinimumWidth(320);
    QPushButton* browse = namedButton("browse_button", "Browse");
    auto* frameBox = new QGroupBox(QStringLiteral("Template File"));
    frameBox->setObjectName(QStringLiteral("template_file_frame"));
    auto* fileRow = new QHBoxLayout(frameBox);
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(browse);

    auto* instructions = new QLabel(QString::fromLatin1(kInstructions));
    instructions->setObjectName(QStringLiteral("instructions_label"));
    instructions->setWordWrap(true);

    QPushButton* ok = namedButton("ok_button", "OK");
    QPushButton* cancel = namedButton("cancel_button", "Cancel");
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_useTemplate);
    layout->addWidget(frameBox);
    layout->addWidget(instructions);
    layout->addLayout(buttons);

    connect(browse, &QPushButton::clicked, this, &TemplateOptionsDialog::browse);
    connect(ok, &QPushButton::clicked, this, &TemplateOptionsDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &TemplateOptionsDialog::reject);
}

void TemplateOptionsDialog::loadStored() {
    // Both values or neither: a stored mark without a file shows an unchecked, empty dialog.
    const TemplateOptions stored = m_prefs.templateOptions();
    if (stored.checked.isEmpty() || stored.file.isEmpty())
        return;
    m_useTemplate->setChecked(stored.isChecked());
    m_file->setText(stored.file);
}

void TemplateOptionsDialog::centreOnScreen() {
    adjustSize();
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen()) {
        QRect box = frameGeometry();
        box.moveCenter(screen->availableGeometry().center());
        move(box.topLeft());
    }
}

QString TemplateOptionsDialog::fileShown() const {
    return m_file->text();
}

void TemplateOptionsDialog::browse() {
    CommonDialog& dialog = m_fileDialog;
    dialog.fileName.clear();
    dialog.filter = DocumentFiles::kOpenFilter;  // the Open command's list
    dialog.filterIndex = DocumentFiles::kHtmlFilesIndex;
    const QString shown = m_file->text();
    dialog.folder = shown.isEmpty() ? m_startersFolder : QFileInfo(shown).absolutePath();
    // A cancel takes no path, and the display is emptied.
    QString chosen;
    const bool taken = dialog.showOpen();
    dialog.folder.clear();  // the shared dialog's other users choose their own place
    if (taken) {
        chosen = dialog.fileName;
        if (QFileInfo(chosen).size() > DocumentFiles::kOpenLimit) {
            m_dialogs.showNote(this, QStringLiteral("The file is too large to open."));
            return;
        }
    }
    m_file->setText(chosen);
}

void TemplateOptionsDialog::accept() {
    const bool checked = m_useTemplate->isChecked();
    const QString file = m_file->text();
    m_prefs.setTemplateOptions({checked ? QStringLiteral("1") : QStringLiteral("0"), file});
    emit chosen(checked && !file.isEmpty(), file);
    QDialog::accept();
}
