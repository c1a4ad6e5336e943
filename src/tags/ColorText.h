#pragma once

#include <QColor>
#include <QString>

// The colour as HTML writes it: six upper-case hex digits, red, green, blue, no number sign
// (pure red is "FF0000"). An invalid colour counts as black.
QString htmlHexColor(const QColor& color);
