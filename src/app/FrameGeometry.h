#pragma once

#include <QRect>
#include <optional>

// The frame's place and size between the store, in twips, and the screen, in logical pixels.
//
// Twips are converted at the screen's logical resolution, which stays the same whatever the
// scale factor, so a restart at another scale brings the frame back at the same logical size;
// where that is more than the screen holds (a large window stored at scale 1, restored at 1.75),
// the frame is fitted into the screen. A frame that was not moved or resized since it was
// restored stores exactly what was read: neither fitting nor the rounding of device pixels at a
// fractional scale creeps into the store from one run to the next.
class FrameGeometry {
public:
    static QRect toPixels(const QRect& twips);
    static QRect toTwips(const QRect& pixels);
    // `pixels` moved and, where need be, shrunk to lie inside `available`.
    static QRect fit(const QRect& pixels, const QRect& available);

    // The logical pixels for stored `twips` on a screen whose free area is `available`.
    QRect restore(const QRect& twips, const QRect& available);
    // The program itself moved the restored frame to `pixels` (to keep its window frame on the
    // screen): that counts as unchanged still.
    void adjusted(const QRect& pixels);
    // The twips to store for a frame now at `pixels`.
    QRect toStore(const QRect& pixels) const;

private:
    std::optional<QRect> m_storedTwips;
    QRect m_restoredPixels;
};
