#pragma once

#include "editor/SyntaxKind.h"
#include "html/MarkupRegion.h"

#include <QList>
#include <QStringView>

// The lexer behind the editor's colouring: a small state machine that reads one line at a time.
// What a line continues from the lines above (an open comment, a tag whose attributes go on, a
// <style> or <script> element) is one small integer, the state: the state at the end of a line
// is the state at the start of the next.
namespace HtmlLexer {

// The state at the start of a document. Every state lies in 0..kStateLimit - 1.
inline constexpr int kInitialState = 0;
inline constexpr int kStateLimit = 1 << 14;

// Lexes `line` from `state` on: appends its coloured stretches to *spans (when given) in order
// and returns the state at the end of the line.
int lexLine(QStringView line, int state, QList<SyntaxSpan>* spans);

// What the text that follows a place lexed to `state` is part of.
MarkupRegion regionOf(int state);

}  // namespace HtmlLexer
