#include "builders/QuickPageDialog.h"

#include "builders/BuilderScripts.h"
#include "tags/ColorText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kImageFilter = QStringLiteral("All Files (*.*)|*.*|GIF Files|*.gif|JPEG Files|*.jpg");
constexpr int kGifFilter = 2;

}  // namespace

QuickPageDialog::QuickPageDialog(InsertionTarget& target, DialogService& dialogs, QWidget* parent)
    : BuilderDialog(target, QStringLiteral("Form4"), tr("HTML Page Template"), parent),
      m_dialog(dialogs, this),
      m_title(addBox(QStringLiteral("Text9"))),
      m_metaName(addBox(QStringLiteral("Text1"))),
      m_metaContent(addBox(QStringLiteral("Text2"))),
      m_background(addBox(QStringLiteral("Text3"))),
      m_text(addBox(QStringLiteral("Text4"))),
      m_link(addBox(QStringLiteral("Text5"))),
      m_visitedLink(addBox(QStringLiteral("Text6"))),
      m_activeLink(addBox(QStringLiteral("Text7"))),
      m_file(addBox(QStringLiteral("Text8"))) {
    struct Row {
        QString caption;
        QLineEdit* box;
        const char* buttonName;  // picker button, or none
    };
    const Row rows[] = {
        {tr("Title="), m_title, nullptr},
        {tr("Meta Name="), m_metaName, nullptr},
        {tr("Meta Content="), m_metaContent, nullptr},
        {tr("Background Color="), m_background, "Command1"},
        {tr("Text Color="), m_text, "Command2"},
        {tr("Unvisited Link Color="), m_link, "Command3"},
        {tr("Visited Link Color="), m_visitedLink, "Command4"},
        {tr("Selected Link Color="), m_activeLink, "Command5"},
        {tr("Background Graphic File="), m_file, "Command6"},
    };
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    int row = 0;
    for (const Row& entry : rows) {
        grid->addWidget(buddyLabel(entry.caption, entry.box), row, 0);
        grid->addWidget(entry.box, row, 1);
        if (entry.buttonName) {
            const bool browse = entry.box == m_file;
            auto* button = new QPushButton(browse ? tr("Browse") : tr("Palette"), this);
            button->setObjectName(QLatin1String(entry.buttonName));
            button->setAutoDefault(false);
            QLineEdit* box = entry.box;
            if (browse)
                connect(button, &QPushButton::clicked, this, [this] { pickBackgroundFile(); });
            else
                connect(button, &QPushButton::clicked, this, [this, box] { pickColor(box); });
            grid->addWidget(button, row, 2);
        }
        ++row;
    }
    layout->addLayout(grid);
    addButtonRow(layout, QStringLiteral("Command8"), QStringLiteral("Command7"));
}

QLineEdit* QuickPageDialog::addBox(const QString& name) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 30);
    return box;
}

// A cancelled pick is not told apart: the box gets the colour the dialog object still holds.
void QuickPageDialog::pickColor(QLineEdit* box) {
    m_dialog.showColor();
    box->setText(htmlHexColor(m_dialog.color));
}

// The page refers to its image by bare name, relative to the page's own folder. A cancelled pick
// brings back the name the dialog object still holds (empty until a file was chosen).
void QuickPageDialog::pickBackgroundFile() {
    m_dialog.filter = kImageFilter;
    m_dialog.filterIndex = kGifFilter;
    m_dialog.showOpen();
    m_file->setText(m_dialog.fileTitle);
}

QStringList QuickPageDialog::scriptPieces() const {
    QuickPageFields fields;
    fields.title = m_title->text();
    fields.metaName = m_metaName->text();
    fields.metaContent = m_metaContent->text();
    fields.backgroundColor = m_background->text();
    fields.textColor = m_text->text();
    fields.linkColor = m_link->text();
    fields.visitedLinkColor = m_visitedLink->text();
    fields.activeLinkColor = m_activeLink->text();
    fields.backgroundFile = m_file->text();
    return quickPageScript(fields);
}
