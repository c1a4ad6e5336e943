#include "app/TagBoxes.h"

#include "builders/BuilderLauncher.h"
#include "tags/InsertionTarget.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>
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
    const char* startPrompt;
    const char* usedPrompt;
    const char* spokenName;  // what screen readers announce; the prompt changes, this stays
    const char* hint;        // the tooltip, which also describes the box to screen readers
    const char* route;       // how the keyboard gets there, %1 being the focus key
};
const BoxRow kBoxes[] = {
    {"heading_box", "Heading tags", "Heading Tags", "Heading tags", "Type an empty heading", "%1"},
    {"paragraph_box", "Paragraph tags", "Paragraph Tags", "Paragraph tags",
     "Type an empty paragraph", "%1, then Tab"},
    {"builder_box", "Tag Builders", "Tag Builders", "Tag builders", "Open a tag builder",
     "%1, then Tab twice"},
};
constexpr int kBuilderBox = 2;

std::span<const TagItem> tagItems(int box) {
    return box == 0 ? std::span<const TagItem>(kHeadings) : std::span<const TagItem>(kParagraphs);
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

// The width a box needs to show each of `texts` whole in its own font and style.
int widthForTexts(const QComboBox& combo, const QStringList& texts) {
    const QFontMetrics metrics(combo.font());
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.frame = true;
    return combo.style()
        ->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(widest, metrics.height()), &combo)
        .width();
}

}  // namespace

TagBoxes::TagBoxes(InsertionTarget& target, BuilderLauncher& builders, QWidget* toolbar)
    : QObject(toolbar), m_target(target), m_builders(builders) {
    const QString key = focusKey().toString(QKeySequence::NativeText);
    for (int box = 0; box < 3; ++box) {
        const BoxRow& row = kBoxes[box];
        auto* combo = new QComboBox(toolbar);
        combo->setObjectName(QLatin1String(row.name));
        combo->setPlaceholderText(QLatin1String(row.startPrompt));
        combo->setCurrentIndex(-1);
        // The prompt is no name: it changes after a pick, and a screen reader reads it anyway.
        const QString hint = QStringLiteral("%1 (%2)").arg(QLatin1String(row.hint),
                                                           QLatin1String(row.route).arg(key));
        combo->setAccessibleName(QLatin1String(row.spokenName));
        combo->setAccessibleDescription(hint);
        combo->setToolTip(hint);
        // `activated` comes with every pick, also of the item picked just before.
        connect(combo, &QComboBox::activated, this,
                [this, box](int position) { picked(box, position); });
        m_boxes[box] = combo;
    }
    fitPrompts();
    makeKeyboardRoute();
}

QKeySequence TagBoxes::focusKey() {
    return QKeySequence(Qt::Key_F6);
}

void TagBoxes::makeKeyboardRoute() {
    // F6 moves the keyboard to the heading box; Tab and Shift+Tab go on to the others. The
    // shortcut belongs to the heading box, so it does nothing while the boxes are hidden.
    QComboBox* heading = m_boxes[0];
    auto* reach = new QShortcut(focusKey(), heading);
    connect(reach, &QShortcut::activated, heading,
            [heading] { heading->setFocus(Qt::ShortcutFocusReason); });
    QWidget::setTabOrder(m_boxes[0], m_boxes[1]);
    QWidget::setTabOrder(m_boxes[1], m_boxes[2]);
}

void TagBoxes::fitPrompts() {
    // The boxes read like the menus beside them, and are as wide as their texts need.
    const QFont menuFont = QApplication::font("QMenu");
    for (int box = 0; box < 3; ++box) {
        QComboBox* combo = m_boxes[box];
        combo->setFont(menuFont);
        QStringList texts = itemTexts(box);
        texts << QLatin1String(kBoxes[box].startPrompt) << QLatin1String(kBoxes[box].usedPrompt);
        combo->setMinimumWidth(widthForTexts(*combo, texts));
        showPromptAsText(*combo);
        combo->installEventFilter(this);
    }
}

void TagBoxes::showPromptAsText(QComboBox& combo) {
    // The prompt stands for the box's text and is drawn as text, not as a faded hint.
    QPalette palette = combo.palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::PlaceholderText,
                         palette.color(group, QPalette::ButtonText));
    combo.setPalette(palette);
}

bool TagBoxes::eventFilter(QObject* watched, QEvent* event) {
    // A new palette (a dark theme, say) brings a new text colour for the prompt too. Setting the
    // same colour again changes nothing, so this ends after one round.
    if (event->type() == QEvent::PaletteChange)
        showPromptAsText(*static_cast<QComboBox*>(watched));
    return QObject::eventFilter(watched, event);
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
