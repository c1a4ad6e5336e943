#include "app/ButtonHelp.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace {

struct HelpRow {
    ToolbarButton button;
    const char* title;
    const char* lines[5];
};

const HelpRow kHelp[] = {
    {ToolbarButton::New,
     "New File Button Help",
     {"New File button.", "Left click this control to create a new document.",
      "All existing documents will be retained.", "", ""}},
    {ToolbarButton::Open,
     "Open File Button Help",
     {"Open File button.", "Left click this control to open an existing document.",
      "All existing documents will be retained.", "", ""}},
    {ToolbarButton::Save,
     "Save File Button Help",
     {"Save File button.", "Left click this control to save the active document.", "", "", ""}},
    {ToolbarButton::Cut,
     "Cut Button Help",
     {"Cut button.", "Left click this control to cut the selected text",
      "from the active document.  A copy of the cut text",
      "will be placed in the Windows clipboard.", ""}},
    {ToolbarButton::Copy,
     "Copy Button Help",
     {"Copy button.", "Left click this control to copy the selected text",
      "from the active document to the Windows clipboard.", "", ""}},
    {ToolbarButton::Paste,
     "Paste Button Help",
     {"Paste button.", "Left click this control to paste the contents of the clipboard",
      "into the active document.  Data will be pasted at the current", "cursor location.", ""}},
};

}  // namespace

ButtonHelpTexts ButtonHelp::textsFor(ToolbarButton button) {
    for (const HelpRow& row : kHelp) {
        if (row.button != button)
            continue;
        ButtonHelpTexts texts{QLatin1String(row.title), {}};
        for (const char* line : row.lines)
            texts.lines << QLatin1String(line);
        return texts;
    }
    return {};
}

QString ButtonHelp::labelText(const ButtonHelpTexts& texts) {
    return texts.lines.join(QLatin1Char('\n'));
}

ButtonHelp::ButtonHelp(const ButtonHelpTexts& texts, QWidget* parent)
    : QDialog(parent), m_label(new QLabel(this)) {
    setObjectName(QStringLiteral("button_help"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(texts.title);
    m_label->setObjectName(QStringLiteral("help_text"));
    m_label->setText(labelText(texts));
    m_label->setTextFormat(Qt::PlainText);
    m_label->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(m_label);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ButtonHelp::showEvent(QShowEvent* event) {
    if (!m_centred) {
        m_centred = true;
        adjustSize();
        // The window's outer size where the window system already knows its frame.
        const QSize outer = frameGeometry().size();
        const QRect area = screen()->geometry();
        move(area.x() + (area.width() - outer.width()) / 2,
             area.y() + (area.height() - outer.height()) / 2);
    }
    QDialog::showEvent(event);
}

void ButtonHelp::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        close();
}

bool ButtonHelp::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_label && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
