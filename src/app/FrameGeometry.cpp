#include "app/FrameGeometry.h"

#include "app/Twips.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A window system may place or size a window a pixel off what was asked, at a fractional scale.
bool sameWithinAPixel(const QRect& a, const QRect& b) {
    return std::abs(a.left() - b.left()) <= 1 && std::abs(a.top() - b.top()) <= 1 &&
           std::abs(a.width() - b.width()) <= 1 && std::abs(a.height() - b.height()) <= 1;
}

// `start` and `length` moved back inside [low, low + room) where they stick out.
int fitStart(int start, int length, int low, int room) {
    return std::clamp(start, low, low + room - length);
}

}  // namespace

QRect FrameGeometry::toPixels(const QRect& twips) {
    return QRect(Twips::toPixels(twips.left()), Twips::toPixels(twips.top()),
                 Twips::toPixels(twips.width()), Twips::toPixels(twips.height()));
}

QRect FrameGeometry::toTwips(const QRect& pixels) {
    return QRect(Twips::fromPixels(pixels.left()), Twips::fromPixels(pixels.top()),
                 Twips::fromPixels(pixels.width()), Twips::fromPixels(pixels.height()));
}

QRect FrameGeometry::fit(const QRect& pixels, const QRect& available) {
    if (available.isEmpty())
        return pixels;
    const int width = std::min(pixels.width(), available.width());
    const int height = std::min(pixels.height(), available.height());
    return QRect(fitStart(pixels.left(), width, available.left(), available.width()),
                 fitStart(pixels.top(), height, available.top(), available.height()), width,
                 height);
}

QRect FrameGeometry::restore(const QRect& twips, const QRect& available) {
    m_storedTwips = twips;
    m_restoredPixels = fit(toPixels(twips), available);
    return m_restoredPixels;
}

void FrameGeometry::adjusted(const QRect& pixels) {
    if (m_storedTwips)
        m_restoredPixels = pixels;
}

QRect FrameGeometry::toStore(const QRect& pixels) const {
    if (m_storedTwips && sameWithinAPixel(pixels, m_restoredPixels))
        return *m_storedTwips;
    return toTwips(pixels);
}
