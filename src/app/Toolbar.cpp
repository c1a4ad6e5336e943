#include "app/Toolbar.h"

#include "app/PictureButton.h"
#include "app/TagBoxes.h"
#include "app/Twips.h"

#include <QPainter>
#include <QStyleOptionToolBar>

namespace {

using Press = PictureButton::PressStyle;

struct ButtonRow {
    ToolbarButton which;
    const char* name;
    const char* spokenName;  // what screen readers announce
    int left;                // twips from the toolbar's left edge
    int width;               // twips
    Press press;
    const char* images;
    const char* hint;
};
const ButtonRow kButtons[] = {
    {ToolbarButton::New, "new_button", "New", 0, 360, Press::PressThenRun, "new",
     " Create new file."},
    {ToolbarButton::Open, "open_button", "Open", 360, 360, Press::FlashThenRun, "open",
     " Open an existing file."},
    {ToolbarButton::Save, "save_button", "Save", 720, 360, Press::PressRunRelease, "save",
     " Save active file."},
    {ToolbarButton::Cut, "cut_button", "Cut", 1200, 375, Press::RunThenPress, "cut",
     " Cut selected text."},
    {ToolbarButton::Copy, "copy_button", "Copy", 1560, 375, Press::RunThenPress, "copy",
     " Copy selected text."},
    {ToolbarButton::Paste, "paste_button", "Paste", 1920, 375, Press::RunThenPress, "paste",
     " Paste contents of clipboard."},
};
constexpr int kHeightTwips = 375;
constexpr int kButtonHeightTwips = 330;
// Etched lines in the gaps between the file buttons, the edit buttons and the boxes.
constexpr int kSeparatorTwips[] = {1140, 2340};

}  // namespace

Toolbar::Toolbar(InsertionTarget& target, BuilderLauncher& builders, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("toolbar"));
    setFixedHeight(Twips::toPixels(kHeightTwips));
    hide();
    for (const ButtonRow& row : kButtons) {
        auto* button = new PictureButton(QLatin1String(row.name), row.press,
                                         QRect(row.left, 0, row.width, kButtonHeightTwips),
                                         QLatin1String(row.images), this);
        const ToolbarButton which = row.which;
        const QString hintText = QLatin1String(row.hint);
        // The pictures say nothing to assistive technology: name the button and describe it with
        // its hint, which also serves as its tooltip.
        button->setAccessibleName(QLatin1String(row.spokenName));
        button->setAccessibleDescription(hintText.trimmed());
        button->setToolTip(hintText.trimmed());
        connect(button, &PictureButton::hovered, this, [this, hintText] { emit hint(hintText); });
        connect(button, &PictureButton::commandRequested, this,
                [this, which] { emit buttonChosen(which); });
        connect(button, &PictureButton::helpRequested, this, [this, which] { showHelp(which); });
        m_buttons[static_cast<int>(which)] = button;
    }
    m_boxes = new TagBoxes(target, builders, this);
}

PictureButton* Toolbar::button(ToolbarButton which) const {
    return m_buttons[static_cast<int>(which)];
}

void Toolbar::showDocumentTools(bool shown) {
    for (ToolbarButton which :
         {ToolbarButton::Save, ToolbarButton::Cut, ToolbarButton::Copy, ToolbarButton::Paste})
        button(which)->setVisible(shown);
    m_boxes->setVisible(shown);
}

void Toolbar::showHelp(ToolbarButton which) {
    m_helpTexts = ButtonHelp::textsFor(which);
    // An open help window keeps the texts it was loaded with. One that was just closed waits
    // hidden for its deletion and must not come back.
    if (!m_help || m_help->isHidden())
        m_help = new ButtonHelp(m_helpTexts, window());
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void Toolbar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionToolBar bar;
    bar.initFrom(this);
    bar.state |= QStyle::State_Horizontal;
    bar.toolBarArea = Qt::TopToolBarArea;
    bar.positionOfLine = QStyleOptionToolBar::OnlyOne;
    bar.positionWithinLine = QStyleOptionToolBar::OnlyOne;
    style()->drawControl(QStyle::CE_ToolBar, &bar, &painter, this);
    for (int twips : kSeparatorTwips) {
        QStyleOption separator;
        separator.initFrom(this);
        separator.state |= QStyle::State_Horizontal;
        separator.rect = QRect(Twips::toPixels(twips) - 3, 1, 6, height() - 2);
        style()->drawPrimitive(QStyle::PE_IndicatorToolBarSeparator, &separator, &painter, this);
    }
}
