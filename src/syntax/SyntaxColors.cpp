#include "syntax/SyntaxColors.h"

#include <cmath>

namespace {

struct Hue {
    int degrees;
    double saturation;
};

// One hue per kind, in SyntaxKind's order; the lightness comes from the background.
constexpr Hue kHues[kSyntaxKindCount] = {
    {220, 0.75},  // Tag: blue
    {275, 0.55},  // AttributeName: violet
    {25, 0.80},   // AttributeValue: amber
    {120, 0.25},  // Comment: muted green
    {180, 0.70},  // Entity: teal
    {300, 0.30},  // Doctype: muted magenta
    {330, 0.85},  // Directive: strong pink
    {205, 0.90},  // Keyword: sky blue
    {0, 0.70},    // String: red
    {150, 0.70},  // Number: green
};

double channel(double value) {
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& color) {
    const QColor rgb = color.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

// The lightness nearest `preferred`, going away from the background, at which the hue reaches
// the minimum contrast; the far end when none does.
QColor readableColor(const Hue& hue, const QColor& background, bool darkText) {
    const double preferred = darkText ? 0.38 : 0.68;
    const double end = darkText ? 0.0 : 1.0;
    constexpr int kSteps = 32;
    QColor color;
    for (int step = 0; step <= kSteps; ++step) {
        const double lightness = preferred + (end - preferred) * step / kSteps;
        color = QColor::fromHslF(hue.degrees / 360.0, hue.saturation, lightness);
        if (SyntaxColors::contrast(color, background) >= SyntaxColors::kMinimumContrast)
            break;
    }
    return color;
}

}  // namespace

double SyntaxColors::contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

SyntaxColors::Palette SyntaxColors::forBackground(const QColor& background) {
    // Dark text where black stands out from the background more than white does.
    const bool darkText = contrast(Qt::black, background) >= contrast(Qt::white, background);
    Palette palette;
    for (int kind = 0; kind < kSyntaxKindCount; ++kind)
        // Held as RGB: painting converts any other form again for every run it draws.
        palette[kind] = readableColor(kHues[kind], background, darkText).toRgb();
    return palette;
}
