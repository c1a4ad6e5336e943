#include "app/FrameGeometry.h"

#include "app/PreferencesStore.h"

#include <cmath>

namespace {

std::optional<int> storedTwips(const PreferencesStore& prefs, const QString& key) {
    bool isNumber = false;
    const double value = prefs.get(Pref::Size, key).trimmed().toDouble(&isNumber);
    // Beyond a few metres of screen the value cannot be a window's: treat it as damaged.
    if (!isNumber || !std::isfinite(value) || std::abs(value) > 1e7)
        return std::nullopt;
    return static_cast<int>(std::lround(value));
}

}  // namespace

std::optional<QRect> FrameGeometry::readStored(const PreferencesStore& prefs) {
    if (prefs.get(Pref::Size, Pref::MainTop).isEmpty())
        return std::nullopt;
    const auto height = storedTwips(prefs, Pref::MainHeight);
    const auto left = storedTwips(prefs, Pref::MainLeft);
    const auto top = storedTwips(prefs, Pref::MainTop);
    const auto width = storedTwips(prefs, Pref::MainWidth);
    if (!height || !left || !top || !width || *height <= 0 || *width <= 0)
        return std::nullopt;
    return QRect(std::max(*left, 0), std::max(*top, 0), *width, *height);
}

void FrameGeometry::store(PreferencesStore& prefs, const QRect& twips) {
    prefs.save(Pref::Size, Pref::MainTop, QString::number(twips.top()));
    prefs.save(Pref::Size, Pref::MainHeight, QString::number(twips.height()));
    prefs.save(Pref::Size, Pref::MainWidth, QString::number(twips.width()));
    prefs.save(Pref::Size, Pref::MainLeft, QString::number(twips.left()));
}
