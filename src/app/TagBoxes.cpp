#include "app/TagBoxes.h"

#include "app/BuilderLauncher.h"
#include "app/Twips.h"
#include "tags/InsertionTarget.h"

#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <span>

namespace {

struct TagItem {
    const char* text;
    const char* script;
};
const TagItem kHeadings[] = {
    {"Heading 1", "<h1></h1>{left 5}"}, {"Heading 2", "<h2></h2>{left 5}"},
    {"Heading 3", "<h3></h3>{left 5}"}, {"Heading 4", "<h4></h4>{left 5}"},
    {"Heading 5", "<h5></h5>{left 5}"}, {"Heading 6", "<h6></h6>{left 5}"},
};
// The last two item texts lack their closing bracket; the scripts type complete tags.
const TagItem kParagraphs[] = {
    {"<p> no align", "<p></p>{left 4}"},
    {"<p align=left>", "<p align=left></p>{left 4}"},
    {"<p align=center", "<p align=center></p>{left 4}"},
    {"<p align=right", "<p align=right></p>{left 4}"},
};

struct BuilderItem {
    const char* text;
    BuilderKind kind;
};
const BuilderItem kBuilders[] = {
    {"Anchor", BuilderKind::Anchor},          {"Horizontal Rule", BuilderKind::HorizontalRule},
    {"Image Tag", BuilderKind::Image},        {"List", BuilderKind::List},
    {"List Item", BuilderKind::ListItem},     {"Quick Page", BuilderKind::QuickPage},
    {"Table Start", BuilderKind::TableStart}, {"Table Row", BuilderKind::TableRow},
    {"Table Data", BuilderKind::TableData},
};

struct BoxRow {
    const char* name;
    int left;   // twips from the toolbar's left edge
    int width;  // twips
    const char* startPrompt;
    const char* usedPrompt;
};
const BoxRow kBoxes[] = {
    {"heading_box", 2400, 1335, "Heading tags", "Heading Tags"},
    {"paragraph_box", 3840, 1455, "Paragraph tags", "Paragraph Tags"},
    {"builder_box", 5400, 1575, "Tag Builders", "Tag Builders"},
};
constexpr int kBuilderBox = 2;

std::span<const TagItem> tagItems(int box) {
    return box == 0 ? std::span<const TagItem>(kHeadings) : std::span<const TagItem>(kParagraphs);
}

// Whether both prompts of every box show whole in the box's text field with `font`.
bool promptsFit(QComboBox* const (&combos)[3], const QFont& font) {
    const QFontMetrics metrics(font);
    for (int box = 0; box < 3; ++box) {
        QStyleOptionComboBox option;
        option.initFrom(combos[box]);
        option.rect = combos[box]->rect();
        option.frame = true;
        const QRect field = combos[box]->style()->subControlRect(
            QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combos[box]);
        for (const char* prompt : {kBoxes[box].startPrompt, kBoxes[box].usedPrompt}) {
            if (metrics.horizontalAdvance(QLatin1String(prompt)) > field.width())
                return false;
        }
    }
    return true;
}

QStringList itemTexts(int box) {
    QStringList texts;
    if (box == kBuilderBox) {
        for (const BuilderItem& item : kBuilders)
            texts << QLatin1String(item.text);
    } else {
        for (const TagItem& item : tagItems(box))
            texts << QLatin1String(item.text);
    }
    return texts;
}

}  // namespace

TagBoxes::TagBoxes(InsertionTarget& target, BuilderLauncher& builders, QWidget* toolbar)
    : QObject(toolbar), m_target(target), m_builders(builders) {
    for (int box = 0; box < 3; ++box) {
        auto* combo = new QComboBox(toolbar);
        combo->setObjectName(QLatin1String(kBoxes[box].name));
        combo->setPlaceholderText(QLatin1String(kBoxes[box].startPrompt));
        combo->setCurrentIndex(-1);
        const int height = std::min(combo->sizeHint().height(), toolbar->height());
        combo->setGeometry(Twips::toPixels(kBoxes[box].left), (toolbar->height() - height) / 2,
                           Twips::toPixels(kBoxes[box].width), height);
        // `activated` comes with every pick, also of the item picked just before.
        connect(combo, &QComboBox::activated, this,
                [this, box](int position) { picked(box, position); });
        m_boxes[box] = combo;
    }
    fitPrompts();
}

void TagBoxes::fitPrompts() {
    // The boxes keep their fixed widths, which suit a narrow font. Where the prompts
    // do not fit, a condensed and then a smaller face is tried so that they read whole.
    QFont font = m_boxes[0]->font();
    for (int step = 0; step < 6 && !promptsFit(m_boxes, font); ++step) {
        if (font.stretch() != QFont::Condensed)
            font.setStretch(QFont::Condensed);
        else if (font.pointSizeF() > 7)
            font.setPointSizeF(font.pointSizeF() - 0.5);
        else
            break;
    }
    for (QComboBox* combo : m_boxes) {
        combo->setFont(font);
        // The prompt stands for the box's text and is drawn as text, not as a faded hint.
        QPalette palette = combo->palette();
        palette.setColor(QPalette::PlaceholderText, palette.color(QPalette::ButtonText));
        combo->setPalette(palette);
    }
}

void TagBoxes::fill() {
    for (int box = 0; box < 3; ++box) {
        QComboBox* combo = m_boxes[box];
        combo->clear();
        combo->addItems(itemTexts(box));
        combo->setCurrentIndex(-1);
    }
}

void TagBoxes::setVisible(bool shown) {
    for (QComboBox* combo : m_boxes)
        combo->setVisible(shown);
}

void TagBoxes::picked(int box, int position) {
    QComboBox* combo = m_boxes[box];
    if (position < 0 || position >= combo->count())
        return;
    if (box == kBuilderBox) {
        // The builder takes the focus itself; the document keeps its caret meanwhile.
        m_builders.open(kBuilders[position].kind);
    } else {
        m_target.typeKeystrokeScript(QLatin1String(tagItems(box)[position].script));
    }
    combo->setCurrentIndex(-1);
    combo->setPlaceholderText(QLatin1String(kBoxes[box].usedPrompt));
}
