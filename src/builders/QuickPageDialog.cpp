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
    : BuilderDialog(target, QStringLiteral("quick_page_builder"), tr("HTML Page Template"), parent),
      m_dialog(dialogs, this),
      m_title(addBox(QStringLiteral("title_field"))),
      m_metaName(addBox(QStringLiteral("meta_name_field"))),
      m_metaContent(addBox(QStringLiteral("meta_content_field"))),
      m_backgroundColor(addBox(QStringLiteral("background_color_field"))),
      m_textColor(addBox(QStringLiteral("text_color_field"))),
      m_linkColor(addBox(QStringLiteral("link_color_field"))),
      m_visitedLinkColor(addBox(QStringLiteral("visited_link_color_field"))),
      m_activeLinkColor(addBox(QStringLiteral("active_link_color_field"))),
      m_backgroundFile(addBox(QStringLiteral("background_file_field"))) {
    struct Row {
        QString caption;
        QLineEdit* box;
        const char* buttonName;  // picker button, or none
    };
    const Row rows[] = {
        {tr("Title="), m_title, nullptr},
        {tr("Meta Name="), m_metaName, nullptr},
        {tr("Meta Content="), m_metaContent, nullptr},
        {tr("Background Color="), m_backgroundColor, "background_color_button"},
        {tr("Text Color="), m_textColor, "text_color_button"},
        {tr("Unvisited Link Color="), m_linkColor, "link_color_button"},
        {tr("Visited Link Color="), m_visitedLinkColor, "visited_link_color_button"},
        {tr("Selected Link Color="), m_activeLinkColor, "active_link_color_button"},
        {tr("Background Graphic File="), m_backgroundFile, "background_file_button"},
    };
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    int row = 0;
    for (const Row& entry : rows) {
        grid->addWidget(buddyLabel(entry.caption, entry.box), row, 0);
        grid->addWidget(entry.box, row, 1);
        if (entry.buttonName) {
            const bool browse = entry.box == m_backgroundFile;
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
    addButtonRow(layout);
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
    m_backgroundFile->setText(m_dialog.fileTitle);
}

QStringList QuickPageDialog::scriptPieces() const {
    QuickPageFields fields;
    fields.title = m_title->text();
    fields.metaName = m_metaName->text();
    fields.metaContent = m_metaContent->text();
    fields.backgroundColor = m_backgroundColor->text();
    fields.textColor = m_textColor->text();
    fields.linkColor = m_linkColor->text();
    fields.visitedLinkColor = m_visitedLinkColor->text();
    fields.activeLinkColor = m_activeLinkColor->text();
    fields.backgroundFile = m_backgroundFile->text();
    return quickPageScript(fields);
}
