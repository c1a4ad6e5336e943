#pragma once

#include "html/MarkupRegion.h"

#include <QString>

// The text of a page as the typing aids read it: in stretches around the caret, never whole, so
// that what they do per key or caret move does not grow with the page.
class MarkupText {
public:
    virtual ~MarkupText() = default;

    virtual int length() const = 0;
    // The text from `from` to `to`, both clamped to the text; a line break is one "\n".
    virtual QString slice(int from, int to) const = 0;
    // What the character at `position` is part of. This default judges it from the last comment,
    // script or style start or end in the kSearchReach characters before, so it knows comments,
    // scripts and styles but not tags or attribute values.
    virtual MarkupRegion regionAt(int position) const;

    // How far any look-up reads before or after the caret (characters): beyond it, a tag's
    // partner or an open element is not searched for.
    static constexpr int kSearchReach = 64 * 1024;
};

// A MarkupText over a string held in memory.
class StringMarkupText : public MarkupText {
public:
    explicit StringMarkupText(QString text) : m_text(std::move(text)) {}

    int length() const override { return int(m_text.size()); }
    QString slice(int from, int to) const override;

private:
    QString m_text;
};

// The region at the end of `text` judged from the last comment, script or style start or end in
// it, as MarkupText::regionAt() does.
MarkupRegion regionAtEndOf(QStringView text);
