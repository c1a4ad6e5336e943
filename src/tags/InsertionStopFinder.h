#pragma once

#include <QList>
#include <QStringView>

// The stops of a freshly inserted text, as offsets into it, ascending and without repeats:
// where the script left the caret (when that lies within the text), the inside of every empty
// attribute value (`name=""` or `name=''`, blanks allowed around the `=`), the inside of every
// element with nothing in it (`<b>|</b>`), and the end of the text, which is always the last
// stop. Works on any tag, so no table of tags is needed.
QList<int> findInsertionStops(QStringView text, int caret);
