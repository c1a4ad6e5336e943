#pragma once

#include "document/DialogService.h"

#include <QColor>
#include <QFont>
#include <optional>

class EditorBox;
class PreferencesStore;

// The editor's font and colours as the preferences store keeps them.
namespace EditorAppearance {

struct Colors {
    QColor back;
    QColor fore;
};

// The window's own font while none is stored: the system's fixed-pitch font.
FontChoice designFont();

// The stored font, when "Font"/"Name" is present.
std::optional<FontChoice> storedFont(const PreferencesStore& prefs);
// Writes all six font keys.
void storeFont(PreferencesStore& prefs, const FontChoice& font);
// The stored colours, when "Color"/"BackColor" is present and readable.
std::optional<Colors> storedColors(const PreferencesStore& prefs);

// " Font:  " name [" Bold"] [" Italic"] " " size " pt", from the stored values.
QString fontStatusText(const PreferencesStore& prefs);

QFont toQFont(const FontChoice& choice);
FontChoice fromQFont(const QFont& font);

FontChoice fontOf(const EditorBox& box);
void setFont(EditorBox& box, const FontChoice& font);
Colors colorsOf(const EditorBox& box);
void setBackColor(EditorBox& box, const QColor& color);
void setForeColor(EditorBox& box, const QColor& color);

}  // namespace EditorAppearance
