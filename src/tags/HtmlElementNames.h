#pragma once

#include <QStringList>

// The names of the HTML elements that hold content (so not br, img and the other empty ones),
// today's and the older ones that pages of the HTML 3.2 kind still use, in alphabetical order.
const QStringList& htmlElementNames();
