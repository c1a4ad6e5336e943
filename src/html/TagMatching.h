#pragma once

#include <QStringList>
#include <optional>

class MarkupText;

// A tag and its partner, in document positions: each from its "<" to just after its ">".
struct MatchingTags {
    int start = 0;  // the tag at the caret
    int end = 0;
    int partnerStart = 0;
    int partnerEnd = 0;

    bool operator==(const MatchingTags&) const = default;
};

// With the caret in a start or end tag (or just before or after one), that tag and its partner,
// counting nested elements of the same name. The partner is looked for within
// MarkupText::kSearchReach characters of the tag; there is none beyond it, for a void or
// self-closing element, or for a tag in a comment, script or style.
std::optional<MatchingTags> findMatchingTag(const MarkupText& text, int caret);

// The elements still open at `position` (started and not ended in the kSearchReach characters
// before it), innermost first, each once. Void and self-closing elements never stay open.
QStringList openElementsBefore(const MarkupText& text, int position);

// The elements open before the last place asked about, kept until the text before it changes:
// while the user types an end tag's name, what precedes its "<" is not read again on every key.
class OpenElementsMemo {
public:
    QStringList before(const MarkupText& text, int position);
    // The text changed from `position` on.
    void textChanged(int position);

private:
    int m_position = -1;
    QStringList m_names;
};
