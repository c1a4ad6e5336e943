#pragma once

#include <QColor>
#include <QString>

// The stored form of a colour: its 24-bit value with red in the low byte, then green, then blue
// (pure red 255, white 16777215), kept in the settings as decimal text.
int storedColorValue(const QColor& color);
QString storedColorText(const QColor& color);

// Reads the stored decimal text back. Anything that is not a 24-bit colour value gives an
// invalid QColor: text that is not a number, and the negative numbers that stand for system
// colours (those are the defaults that a caller falls back to anyway).
QColor colorFromStoredValue(const QString& text);
