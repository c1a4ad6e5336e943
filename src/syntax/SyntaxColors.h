#pragma once

#include "editor/SyntaxKind.h"

#include <QColor>
#include <array>

// The colour of each kind of syntax for an editor's background: every kind keeps its own hue,
// and its lightness is chosen so that it reads on that background (dark on light, light on
// dark, and as far as possible on a mid grey).
namespace SyntaxColors {

using Palette = SyntaxPalette;

Palette forBackground(const QColor& background);

// The contrast ratio of two colours as the web's accessibility guidelines define it: from 1
// (the same luminance) to 21 (black on white).
double contrast(const QColor& a, const QColor& b);

// The contrast every colour reaches where the background allows it.
inline constexpr double kMinimumContrast = 4.5;

}  // namespace SyntaxColors
