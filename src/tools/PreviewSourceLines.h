#pragma once

#include <QString>
#include <QStringView>

// Marks where the page's blocks come from, so that the preview can find the element the caret
// is in: every start tag of a block-level element gets data-pagelark-line="N", N being the
// 1-based line of its "<" (lines as the editor counts them: "\r\n", "\r" and "\n" each end one).
// One pass over the text, like the start of an HTML tokenizer: comments and the text of raw-text
// elements (script, style, textarea and the like) are left alone, and quoted attribute values may
// hold ">".
namespace PreviewSourceLines {

inline constexpr QLatin1StringView kAttribute("data-pagelark-line");

QString mark(QStringView html);

}  // namespace PreviewSourceLines
