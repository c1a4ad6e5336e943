#pragma once

#include <QRect>
#include <optional>

class PreferencesStore;

// The frame's stored position and size, in twips.
namespace FrameGeometry {

// The design position and size, used when nothing usable is stored.
constexpr QRect kDesignTwips{1965, 2115, 7050, 5805};

// Reads the four "Size" keys. Nothing when "main_top" is absent or any value is not a number;
// a top or left below 0 is raised to 0.
std::optional<QRect> readStored(const PreferencesStore& prefs);
// Writes top, height, width and left, in this order.
void store(PreferencesStore& prefs, const QRect& twips);

}  // namespace FrameGeometry
