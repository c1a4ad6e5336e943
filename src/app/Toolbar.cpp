#include "app/Toolbar.h"

#include "app/PictureButton.h"
#include "app/TagBoxes.h"
#include "app/Twips.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QPainter>
#include <QStyleOptionToolBar>

namespace {

using Press = PictureButton::PressStyle;

struct ButtonRow {
    ToolbarButton which;
    const char* name;
    const char* spokenName;  // what screen readers announce
    Press press;
    const char* icon;  // the freedesktop name; the built-in drawing has the same name
    const char* hint;
};
// In the order of ToolbarButton.
const ButtonRow kButtons[] = {
    {ToolbarButton::New, "new_button", "New", Press::PressThenRun, "document-new",
     " Create new file."},
    {ToolbarButton::Open, "open_button", "Open", Press::FlashThenRun, "document-open",
     " Open an existing file."},
    {ToolbarButton::Save, "save_button", "Save", Press::PressRunRelease, "document-save",
     " Save active file."},
    {ToolbarButton::Cut, "cut_button", "Cut", Press::RunThenPress, "edit-cut",
     " Cut selected text."},
    {ToolbarButton::Copy, "copy_button", "Copy", Press::RunThenPress, "edit-copy",
     " Copy selected text."},
    {ToolbarButton::Paste, "paste_button", "Paste", Press::RunThenPress, "edit-paste",
     " Paste contents of clipboard."},
};
// The toolbar is never lower than this, though the style's buttons and boxes may need more.
constexpr int kMinimumHeightTwips = 375;

// The icon theme's picture, or the program's own drawing where the theme has none.
QIcon toolbarIcon(const char* name) {
    const QString themeName = QLatin1String(name);
    return QIcon::fromTheme(themeName, QIcon(QStringLiteral(":/toolbar/%1.svg").arg(themeName)));
}

// The etched line between the file buttons, the edit buttons and the boxes.
class Separator : public QWidget {
public:
    explicit Separator(QWidget* parent) : QWidget(parent) {
        setFixedWidth(style()->pixelMetric(QStyle::PM_ToolBarSeparatorExtent, nullptr, this));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QStyleOption line;
        line.initFrom(this);
        line.state |= QStyle::State_Horizontal;
        style()->drawPrimitive(QStyle::PE_IndicatorToolBarSeparator, &line, &painter, this);
    }
};

}  // namespace

// The pictures are compiled into the static core library, whose resource table a program only
// picks up when something names it. (Outside any namespace, as the registration macro needs.)
static void registerPictures() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)registered;
}

Toolbar::Toolbar(InsertionTarget& target, BuilderLauncher& builders, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("toolbar"));
    setMinimumHeight(Twips::toPixels(kMinimumHeightTwips));
    hide();
    auto* row = new QHBoxLayout(this);
    const int margin = style()->pixelMetric(QStyle::PM_ToolBarItemMargin, nullptr, this) +
                       style()->pixelMetric(QStyle::PM_ToolBarFrameWidth, nullptr, this);
    row->setContentsMargins(margin, margin, margin, margin);
    row->setSpacing(style()->pixelMetric(QStyle::PM_ToolBarItemSpacing, nullptr, this));
    for (const ButtonRow& button : kButtons) {
        row->addWidget(makeButton(button.which));
        if (button.which == ToolbarButton::Save || button.which == ToolbarButton::Paste) {
            auto* line = new Separator(this);
            m_separators.append(line);
            row->addWidget(line);
        }
    }
    m_boxes = new TagBoxes(target, builders, this);
    for (QComboBox* box : {m_boxes->headingBox(), m_boxes->paragraphBox(), m_boxes->builderBox()})
        row->addWidget(box);
    row->addStretch(1);
}

PictureButton* Toolbar::makeButton(ToolbarButton which) {
    const ButtonRow& row = kButtons[static_cast<int>(which)];
    auto* button = new PictureButton(QLatin1String(row.name), row.press, this);
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
    return button;
}

void Toolbar::loadIcons() {
    // Once, when the toolbar is first shown: looking through an icon theme costs time that a
    // start without the toolbar should not pay.
    if (m_iconsLoaded)
        return;
    m_iconsLoaded = true;
    registerPictures();
    for (const ButtonRow& row : kButtons)
        button(row.which)->setIcon(toolbarIcon(row.icon));
}

void Toolbar::showEvent(QShowEvent* event) {
    loadIcons();
    QWidget::showEvent(event);
}

PictureButton* Toolbar::button(ToolbarButton which) const {
    return m_buttons[static_cast<int>(which)];
}

void Toolbar::showDocumentTools(bool shown) {
    for (ToolbarButton which :
         {ToolbarButton::Save, ToolbarButton::Cut, ToolbarButton::Copy, ToolbarButton::Paste})
        button(which)->setVisible(shown);
    for (QWidget* line : m_separators)
        line->setVisible(shown);
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
}
