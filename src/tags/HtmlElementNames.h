#pragma once

#include <QStringList>

// The names of the HTML elements that hold content (so not br, img and the other void ones):
// today's, from the web platform's data, and the older ones that pages of the HTML 3.2 kind
// still use, in alphabetical order. Made on first use.
const QStringList& htmlElementNames();
