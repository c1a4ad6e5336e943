#include "templates/TemplateOptionsDialog.h"

#include "app/MainFrame.h"
#include "app/PreferencesStore.h"
#include "app/StatusLine.h"
#include "document/CommonDialog.h"
#include "document/DocumentWindow.h"
#include "document/FileCommands.h"
#include "templates/Templates.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int kHtmlFilesIndex = 2;

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

TemplateOptionsDialog* TemplateOptionsDialog::open(MainFrame& frame) {
    TemplateOptionsDialog* dialog = nullptr;
    // A dialog that was just closed is hidden while it waits to be deleted: it is not reused.
    for (auto* existing : frame.findChildren<TemplateOptionsDialog*>()) {
        if (existing->isVisible())
            dialog = existing;
    }
    if (!dialog) {
        dialog = new TemplateOptionsDialog(frame);
        dialog->show();
    }
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

void TemplateOptionsDialog::bindMenuEntry(MainFrame& frame, QAction* entry) {
    entry->setEnabled(true);
    QObject::connect(entry, &QAction::triggered, &frame, [&frame, entry](bool checked) {
        // Choosing a checkable entry flips its mark; this entry only opens the dialog.
        entry->setChecked(!checked);
        open(frame);
    });
}

TemplateOptionsDialog::TemplateOptionsDialog(MainFrame& frame)
    : QDialog(&frame),
      m_frame(frame),
      m_useTemplate(new QCheckBox(QStringLiteral("Use template when creating a new file."))),
      m_file(new QLabel) {
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Template Options"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    buildLayout();
    loadStored();
    centreOnScreen();
}

void TemplateOptionsDialog::buildLayout() {
    m_useTemplate->setObjectName(QStringLiteral("Check1"));
    m_file->setObjectName(QStringLiteral("Label1"));
    // A path is shown as it is, never read as markup; it can be selected but not typed into.
    m_file->setTextFormat(Qt::PlainText);
    m_file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_file->setFrameShape(QFrame::StyledPanel);
    m_file->setMinimumWidth(320);
    QPushButton* browse = namedButton("Command15", "Browse");
    auto* frameBox = new QGroupBox(QStringLiteral("Template File"));
    frameBox->setObjectName(QStringLiteral("Frame1"));
    auto* fileRow = new QHBoxLayout(frameBox);
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(browse);

    auto* instructions = new QLabel(QString::fromLatin1(kInstructions));
    instructions->setObjectName(QStringLiteral("Label2"));
    instructions->setWordWrap(true);

    QPushButton* ok = namedButton("Command1", "OK");
    QPushButton* cancel = namedButton("Command2", "Cancel");
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
    const Templates::Options stored = Templates::stored(m_frame.prefs());
    if (stored.checked.isEmpty() || stored.file.isEmpty())
        return;
    m_useTemplate->setChecked(stored.isChecked());
    m_file->setText(stored.file);
}

void TemplateOptionsDialog::centreOnScreen() {
    adjustSize();
    if (const QScreen* screen = m_frame.screen()) {
        QRect box = frameGeometry();
        box.moveCenter(screen->availableGeometry().center());
        move(box.topLeft());
    }
}

QString TemplateOptionsDialog::fileShown() const {
    return m_file->text();
}

void TemplateOptionsDialog::browse() {
    CommonDialog& dialog = m_frame.fileCommands().dialog();
    dialog.fileName.clear();
    dialog.filter = FileCommands::kOpenFilter;  // the Open command's list
    dialog.filterIndex = kHtmlFilesIndex;
    // A cancel takes no path, and the display is emptied.
    QString chosen;
    if (dialog.showOpen()) {
        chosen = dialog.fileName;
        if (QFileInfo(chosen).size() > FileCommands::kOpenLimit) {
            m_frame.showMessage(QStringLiteral("The file is too large to open."));
            return;
        }
    }
    m_file->setText(chosen);
}

void TemplateOptionsDialog::accept() {
    const bool checked = m_useTemplate->isChecked();
    const QString file = m_file->text();
    setMarks(checked && !file.isEmpty());
    if (!m_frame.preferencesCleared()) {
        Templates::store(m_frame.prefs(),
                         {checked ? QStringLiteral("1") : QStringLiteral("0"), file});
        m_frame.statusLine()->templateFile()->setText(Templates::statusText(file));
    }
    QDialog::accept();
}

void TemplateOptionsDialog::setMarks(bool checked) {
    // Only the active document's entry follows; other windows keep theirs until reopened.
    m_frame.action(QStringLiteral("mnuOTemplate"))->setChecked(checked);
    if (DocumentWindow* doc = m_frame.activeDocument())
        doc->action(QStringLiteral("mnuOTemplate"))->setChecked(checked);
}
