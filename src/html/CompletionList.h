#pragma once

#include "html/HtmlData.h"

#include <QList>

struct CompletionContext;

// The names to offer in a context, best first: those that start with what was typed, then those
// that hold it elsewhere (ignoring case); deprecated ones after all others. Elements and
// attributes come alphabetically, an element's own attributes before the global ones, values in
// the data's order, and after "</" the elements still open, innermost first, before the rest.
QList<HtmlEntry> completionsFor(const CompletionContext& context,
                                const HtmlData& data = HtmlData::builtIn());
