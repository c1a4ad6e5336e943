#include "state/DocumentTable.h"

void DocumentTable::startWith() {
    m_states = {State{}, State{}};
}

int DocumentTable::findFreeSlot() {
    for (int slot = 1; slot <= upperBound(); ++slot) {
        if (m_states[slot].deleted) {
            m_states[slot] = State{};
            return slot;
        }
    }
    m_states.append(State{});
    return upperBound();
}

bool DocumentTable::anyDocumentsLeft() const {
    for (int slot = 1; slot <= upperBound(); ++slot) {
        if (!m_states[slot].deleted)
            return true;
    }
    return false;
}

void DocumentTable::release(int slot) {
    m_states[slot].deleted = true;
}

QList<int> DocumentTable::openSlots() const {
    QList<int> open;
    for (int slot = 1; slot <= upperBound(); ++slot) {
        if (!m_states[slot].deleted)
            open.append(slot);
    }
    return open;
}

void DocumentTable::setChanged(int slot, bool changed) {
    // Called on every edit: only a change of the mark is news.
    if (m_states[slot].changed == changed)
        return;
    m_states[slot].changed = changed;
    emit changedMarkChanged(slot, changed);
}

void DocumentTable::setCaption(int slot, const QString& caption) {
    m_states[slot].caption = caption;
    emit captionChanged(slot);
}

bool DocumentTable::isUntitled(int slot) const {
    return caption(slot).startsWith(QLatin1String("Untitled"));
}

void DocumentTable::setMarks(int slot, const MenuMarks& marks) {
    if (m_states[slot].marks == marks)
        return;
    m_states[slot].marks = marks;
    emit marksChanged(slot);
}
