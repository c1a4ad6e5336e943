#include "document/DocumentTable.h"

void DocumentTable::startWith(DocumentWindow* first) {
    m_windows = {nullptr, first};
    m_states = {State{}, State{}};
}

int DocumentTable::findFreeSlot() {
    for (int slot = 1; slot <= upperBound(); ++slot) {
        if (m_states[slot].deleted) {
            m_states[slot].deleted = false;
            return slot;
        }
    }
    m_windows.append(nullptr);
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

void DocumentTable::setWindow(int slot, DocumentWindow* window) {
    m_windows[slot] = window;
}

DocumentWindow* DocumentTable::window(int slot) const {
    return slot >= 0 && slot < m_windows.size() ? m_windows[slot] : nullptr;
}

void DocumentTable::release(int slot) {
    m_states[slot].deleted = true;
    m_windows[slot] = nullptr;
}

QList<DocumentWindow*> DocumentTable::openWindows() const {
    QList<DocumentWindow*> windows;
    for (int slot = 1; slot <= upperBound(); ++slot) {
        if (!m_states[slot].deleted && m_windows[slot])
            windows.append(m_windows[slot]);
    }
    return windows;
}
