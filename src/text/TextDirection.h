#pragma once

#include <QStringView>

namespace TextDirection {

// Whether any character of `text` runs right to left or starts a right-to-left run: where it
// does, neither the caret's steps nor the glyphs' order follow the characters' order.
bool hasRightToLeft(QStringView text);

}  // namespace TextDirection
