#pragma once

#include <QString>

struct CompletionContext;
struct HtmlEntry;

// The keystroke script that types an accepted entry over the context's replaced text (which the
// caller selects first): an element as <name>|</name> (a void one as <name>|), an attribute as
// name="|" (one without a value as its name), a value as itself, an end tag's name with its ">".
// Where the rest of the tag follows (or an "=" follows an attribute), only the name.
QString completionScript(const CompletionContext& context, const HtmlEntry& entry);
