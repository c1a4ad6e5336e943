#pragma once

#include <algorithm>

// What one script did to the text: the span it typed, in positions as they are after the
// script, and where it left the caret. A script that only moves the caret types nothing.
class ScriptOutcome {
public:
    int start() const { return m_start; }
    int end() const { return m_end; }
    int caret() const { return m_caret; }
    bool typedText() const { return m_end > m_start; }
    void setCaret(int caret) { m_caret = caret; }

    // Takes in one edit: `removed` characters at `from` replaced by `added` ones. The span grows
    // to cover it, and what was in the span already shifts as the edit shifts it.
    void recordEdit(int from, int removed, int added) {
        if (removed == 0 && added == 0)
            return;
        if (!m_edited) {
            m_edited = true;
            m_start = from;
            m_end = from + added;
            return;
        }
        const auto afterRemoval = [&](int x) {
            return x <= from ? x : std::max(from, x - removed);
        };
        m_start = afterRemoval(m_start);
        m_end = afterRemoval(m_end);
        if (m_start > from)
            m_start += added;
        if (m_end >= from)
            m_end += added;
        m_start = std::min(m_start, from);
        m_end = std::max(m_end, from + added);
    }

private:
    int m_start = 0;
    int m_end = 0;
    int m_caret = 0;
    bool m_edited = false;
};
