#pragma once

// Window positions and sizes are stored in twips, 1440 to the inch.
namespace Twips {

constexpr int kPerInch = 1440;

// The screen's logical resolution in dots per inch (96 on most desktops).
double logicalDpi();

inline int toPixels(double twips, double dpi = logicalDpi()) {
    return static_cast<int>(twips * dpi / kPerInch + (twips >= 0 ? 0.5 : -0.5));
}
inline int fromPixels(int pixels, double dpi = logicalDpi()) {
    return static_cast<int>(pixels * kPerInch / dpi + (pixels >= 0 ? 0.5 : -0.5));
}

}  // namespace Twips
