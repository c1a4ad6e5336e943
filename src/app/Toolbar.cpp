#include "app/Toolbar.h"

#include "app/MainFrame.h"
#include "app/PictureButton.h"
#include "app/PreferencesStore.h"
#include "app/StatusLine.h"
#include "app/TagBoxes.h"
#include "app/Twips.h"
#include "document/DocumentWindow.h"
#include "document/EditCommands.h"

#include <QAction>
#include <QLayout>
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
    {ToolbarButton::New, "imgFileNewButton", "New", 0, 360, Press::PressThenRun, "new",
     " Create new file."},
    {ToolbarButton::Open, "imgFileOpenButton", "Open", 360, 360, Press::FlashThenRun, "open",
     " Open an existing file."},
    {ToolbarButton::Save, "Image1", "Save", 720, 360, Press::PressRunRelease, "save",
     " Save active file."},
    {ToolbarButton::Cut, "imgCutButton", "Cut", 1200, 375, Press::RunThenPress, "cut",
     " Cut selected text."},
    {ToolbarButton::Copy, "imgCopyButton", "Copy", 1560, 375, Press::RunThenPress, "copy",
     " Copy selected text."},
    {ToolbarButton::Paste, "imgPasteButton", "Paste", 1920, 375, Press::RunThenPress, "paste",
     " Paste contents of clipboard."},
};
constexpr int kHeightTwips = 375;
constexpr int kButtonHeightTwips = 330;
// Etched lines in the gaps between the file buttons, the edit buttons and the boxes.
constexpr int kSeparatorTwips[] = {1140, 2340};

}  // namespace

Toolbar::Toolbar(MainFrame& frame, QWidget* parent) : QWidget(parent), m_frame(frame) {
    setObjectName(QStringLiteral("picToolbar"));
    setFixedHeight(Twips::toPixels(kHeightTwips));
    hide();
    for (const ButtonRow& row : kButtons) {
        auto* button = new PictureButton(QLatin1String(row.name), row.press,
                                         QRect(row.left, 0, row.width, kButtonHeightTwips),
                                         QLatin1String(row.images), this);
        const ToolbarButton which = row.which;
        const QString hint = QLatin1String(row.hint);
        // The pictures say nothing to assistive technology: name the button and describe it with
        // its hint, which also serves as its tooltip.
        button->setAccessibleName(QLatin1String(row.spokenName));
        button->setAccessibleDescription(hint.trimmed());
        button->setToolTip(hint.trimmed());
        connect(button, &PictureButton::hovered, this, [this, hint] { showHint(hint); });
        connect(button, &PictureButton::commandRequested, this,
                [this, which] { runCommand(which); });
        connect(button, &PictureButton::helpRequested, this, [this, which] { showHelp(which); });
        m_buttons[static_cast<int>(which)] = button;
    }
    m_boxes = new TagBoxes(frame, this);
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

void Toolbar::switchFrom(QAction* chosen) {
    QAction* frameMark = m_frame.action(QStringLiteral("mnuOToolbar"));
    if (chosen != frameMark)
        frameMark->setChecked(chosen->isChecked());
    setVisible(chosen->isChecked());
    // The document area gives up or takes back the toolbar's room at once, so that a window
    // sized right after this fits the area as it now is.
    if (QWidget* holder = parentWidget(); holder && holder->layout())
        holder->layout()->activate();
    if (!m_frame.preferencesCleared())
        m_frame.prefs().save(Pref::Tools, Pref::Checked, Pref::boolText(frameMark->isChecked()));
}

void Toolbar::runCommand(ToolbarButton which) {
    switch (which) {
        case ToolbarButton::New:
            m_frame.newDocument();
            break;
        case ToolbarButton::Open:
            m_frame.fileCommands().openCommand();
            break;
        case ToolbarButton::Save:
            if (DocumentWindow* doc = m_frame.activeDocument())
                doc->action(QStringLiteral("mnuFSave"))->trigger();
            break;
        case ToolbarButton::Cut:
            EditCommands::cutSelection(m_frame);
            break;
        case ToolbarButton::Copy:
            EditCommands::copySelection(m_frame);
            break;
        case ToolbarButton::Paste:
            EditCommands::pasteClipboard(m_frame);
            break;
    }
}

void Toolbar::showHelp(ToolbarButton which) {
    m_helpTexts = ButtonHelp::textsFor(which);
    // An open help window keeps the texts it was loaded with. One that was just closed waits
    // hidden for its deletion and must not come back.
    if (!m_help || m_help->isHidden())
        m_help = new ButtonHelp(m_helpTexts, &m_frame);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void Toolbar::showHint(const QString& hint) {
    m_frame.statusLine()->restartTimer();
    m_frame.setStatusMessage(hint);
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
