#pragma once

#include "tools/PageCheckAnswer.h"

#include <QByteArray>

// Checks a page's HTML with libtidy and reports its errors and warnings, sorted by their place
// in the page, the first PageCheckResult::kMaxProblems of them. `utf8` is the page's text with
// line feeds for line breaks. libtidy recurses once per level of nesting and takes time that
// grows with the square of the depth, so this runs in the checker process, never in the editor.
PageCheckResult checkWithTidy(QByteArray utf8);
