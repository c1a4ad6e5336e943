#include "document/AppearanceCommands.h"

#include "app/MainFrame.h"
#include "app/PreferencesStore.h"
#include "app/StatusLine.h"
#include "document/DocumentWindow.h"
#include "document/EditorAppearance.h"
#include "document/EditorBox.h"
#include "tags/ColorText.h"

#include <QLabel>

namespace EA = EditorAppearance;

namespace {

// Runs `change` with the frame told that editor changes are not edits: a new font makes the
// editor lay its text out again, which it reports as a change of the whole text.
template <typename Change>
void applyAppearance(MainFrame& frame, Change change) {
    const bool outer = frame.isApplyingAppearance();
    frame.setApplyingAppearance(true);
    change();
    frame.setApplyingAppearance(outer);
}

enum class Layer { Back, Fore };

void chooseColor(DocumentWindow& doc, Layer layer) {
    MainFrame& frame = doc.frame();
    EditorBox& box = *doc.editor();
    CommonDialog& dialog = doc.commonDialog();
    const EA::Colors now = EA::colorsOf(box);
    dialog.color = layer == Layer::Back ? now.back : now.fore;
    // A cancelled dialog keeps the preset, which is then set again without a visible change.
    dialog.showColor();
    applyAppearance(frame, [&] {
        if (layer == Layer::Back)
            EA::setBackColor(box, dialog.color);
        else
            EA::setForeColor(box, dialog.color);
    });
    if (frame.preferencesCleared())
        return;
    const EA::Colors shown = EA::colorsOf(box);
    const QString back = storedColorText(shown.back);
    const QString fore = storedColorText(shown.fore);
    if (layer == Layer::Back) {
        frame.prefs().save(Pref::Color, Pref::BackColor, back);
        frame.prefs().save(Pref::Color, Pref::ForeColor, fore);
    } else {
        frame.prefs().save(Pref::Color, Pref::ForeColor, fore);
        frame.prefs().save(Pref::Color, Pref::BackColor, back);
    }
    AppearanceCommands::refreshBackgrounds(frame);
}

}  // namespace

void AppearanceCommands::chooseBackColor(DocumentWindow& doc) {
    chooseColor(doc, Layer::Back);
}

void AppearanceCommands::chooseForeColor(DocumentWindow& doc) {
    chooseColor(doc, Layer::Fore);
}

void AppearanceCommands::chooseFont(DocumentWindow& doc) {
    MainFrame& frame = doc.frame();
    EditorBox& box = *doc.editor();
    CommonDialog& dialog = doc.commonDialog();
    dialog.font = EA::fontOf(box);
    // A cancelled dialog keeps the preset, so the same font is given again.
    dialog.showFont();
    applyAppearance(frame, [&] { EA::setFont(box, dialog.font); });
    QLabel* status = frame.statusLine()->font();
    status->clear();
    if (frame.preferencesCleared())
        return;
    EA::storeFont(frame.prefs(), dialog.font);
    refreshFonts(frame);
    status->setText(EA::fontStatusText(frame.prefs()));
}

void AppearanceCommands::refreshBackgrounds(MainFrame& frame) {
    const auto colors = EA::storedColors(frame.prefs());
    if (!colors)
        return;
    applyAppearance(frame, [&] {
        for (DocumentWindow* doc : frame.documents().openWindows())
            EA::setBackColor(*doc->editor(), colors->back);
    });
}

void AppearanceCommands::refreshFonts(MainFrame& frame) {
    const auto font = EA::storedFont(frame.prefs());
    if (!font)
        return;
    applyAppearance(frame, [&] {
        for (DocumentWindow* doc : frame.documents().openWindows())
            EA::setFont(*doc->editor(), *font);
    });
}

void AppearanceCommands::bindTo(DocumentWindow& doc) {
    doc.bind(QStringLiteral("bkgnd"), [&doc] { chooseBackColor(doc); });
    doc.bind(QStringLiteral("forgnd"), [&doc] { chooseForeColor(doc); });
    doc.bind(QStringLiteral("mnuFont"), [&doc] { chooseFont(doc); });
}
