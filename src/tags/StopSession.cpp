#include "tags/StopSession.h"

namespace {

QTextCursor cursorAt(QTextDocument* document, int position, bool keepOnInsert) {
    QTextCursor cursor(document);
    cursor.setPosition(position);
    cursor.setKeepPositionOnInsert(keepOnInsert);
    return cursor;
}

}  // namespace

void StopSession::begin(QTextDocument* document, int start, int end, const QList<int>& stops) {
    m_start = cursorAt(document, start, true);
    m_end = cursorAt(document, end, true);
    m_stops.clear();
    for (const int stop : stops)
        m_stops << cursorAt(document, stop, stop == end);
    m_startBefore = start;
    m_endBefore = end;
    m_active = !m_stops.isEmpty();
}

void StopSession::end() {
    m_active = false;
}

void StopSession::release() {
    if (m_active)
        return;
    m_stops.clear();
    m_start = QTextCursor();
    m_end = QTextCursor();
}

bool StopSession::covers(int position) const {
    return isActive() && position >= textStart() && position <= textEnd();
}

QList<int> StopSession::stops() const {
    QList<int> positions;
    if (!isActive())
        return positions;
    for (const QTextCursor& stop : m_stops)
        positions << stop.position();
    return positions;
}

std::optional<int> StopSession::stopAfter(int position) const {
    if (!isActive())
        return std::nullopt;
    for (const QTextCursor& stop : m_stops) {
        if (stop.position() > position)
            return stop.position();
    }
    return std::nullopt;
}

std::optional<int> StopSession::stopBefore(int position) const {
    if (!isActive())
        return std::nullopt;
    for (auto stop = m_stops.crbegin(); stop != m_stops.crend(); ++stop) {
        if (stop->position() < position)
            return stop->position();
    }
    return std::nullopt;
}

void StopSession::noteEdit(int position, int removed) {
    if (!isActive())
        return;
    const bool inside = position >= m_startBefore && position + removed <= m_endBefore;
    if (!inside || textEnd() <= textStart()) {
        end();
        return;
    }
    m_startBefore = textStart();
    m_endBefore = textEnd();
}
