#pragma once

#include "state/FontChoice.h"
#include "state/Preferences.h"

#include <QColor>
#include <QFont>

class EditorBox;

// The editor's font and colours, between the editor widget and their stored form.
namespace EditorAppearance {

QFont toQFont(const FontChoice& choice);
FontChoice fromQFont(const QFont& font);

FontChoice fontOf(const EditorBox& box);
void setFont(EditorBox& box, const FontChoice& font);
EditorColors colorsOf(const EditorBox& box);
void setBackColor(EditorBox& box, const QColor& color);
void setForeColor(EditorBox& box, const QColor& color);

// `part` of the way from `from` to `to`: shades that suit any pair of colours the user chose.
QColor blend(const QColor& from, const QColor& to, double part);

}  // namespace EditorAppearance
