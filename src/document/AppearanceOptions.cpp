#include "document/AppearanceOptions.h"

#include "document/CommandHandlers.h"
#include "document/DocumentWindow.h"
#include "editor/EditorAppearance.h"
#include "editor/EditorBox.h"
#include "state/Preferences.h"

namespace EA = EditorAppearance;

void AppearanceOptions::chooseColor(DocumentWindow& doc, Layer layer) {
    CommonDialog& dialog = doc.commonDialog();
    const EditorColors now = EA::colorsOf(*doc.editor());
    dialog.color = layer == Layer::Back ? now.back : now.fore;
    // A cancelled dialog keeps the preset, which is then set again without a visible change.
    dialog.showColor();
    if (layer == Layer::Back)
        doc.applyBackColor(dialog.color);
    else
        doc.applyForeColor(dialog.color);
    // Nothing was stored, so the other windows keep what they show.
    if (m_prefs.isCleared())
        return;
    m_prefs.setColors(EA::colorsOf(*doc.editor()));
    refreshBackgrounds();
}

void AppearanceOptions::chooseBackColor(DocumentWindow& doc) {
    chooseColor(doc, Layer::Back);
}

void AppearanceOptions::chooseForeColor(DocumentWindow& doc) {
    chooseColor(doc, Layer::Fore);
}

QString AppearanceOptions::chooseFont(DocumentWindow& doc) {
    CommonDialog& dialog = doc.commonDialog();
    dialog.font = EA::fontOf(*doc.editor());
    // A cancelled dialog keeps the preset, so the same font is given again.
    dialog.showFont();
    doc.applyFont(dialog.font);
    if (m_prefs.isCleared())
        return QString();
    m_prefs.setFont(dialog.font);
    refreshFonts();
    return m_prefs.fontStatusText();
}

void AppearanceOptions::applyStored(DocumentWindow& doc) const {
    doc.applyFont(m_prefs.font().value_or(FontChoice::systemFixed()));
    if (const auto colors = m_prefs.colors()) {
        doc.applyBackColor(colors->back);
        if (colors->fore.isValid())
            doc.applyForeColor(colors->fore);
    }
}

void AppearanceOptions::refreshBackgrounds() {
    if (const auto colors = m_prefs.colors()) {
        for (DocumentWindow* doc : m_openWindows())
            doc->applyBackColor(colors->back);
    }
}

void AppearanceOptions::refreshFonts() {
    if (const auto font = m_prefs.font()) {
        for (DocumentWindow* doc : m_openWindows())
            doc->applyFont(*font);
    }
}

void AppearanceOptions::bindCommands(CommandHandlers& commands, FontNote showFont) {
    commands.bindForDocument(Command::OptionsBackgroundColor,
                             [this](DocumentWindow& doc) { chooseBackColor(doc); });
    commands.bindForDocument(Command::OptionsForegroundColor,
                             [this](DocumentWindow& doc) { chooseForeColor(doc); });
    commands.bindForDocument(Command::OptionsFont,
                             [this, showFont](DocumentWindow& doc) { showFont(chooseFont(doc)); });
}
