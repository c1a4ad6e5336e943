#pragma once

#include <QList>

class DocumentWindow;

// The program-wide table of document windows. Slots are numbered from 1 (slot 0 exists but is
// never handed out); the table grows one slot at a time, never shrinks, and a closed window's
// slot is reused before it grows.
class DocumentTable {
public:
    struct State {
        bool deleted = false;
        bool changed = false;
    };

    // Sizes the table for one slot and puts the first window in slot 1.
    void startWith(DocumentWindow* first);

    // The lowest free slot, marked in use; grows the table when none is free.
    int findFreeSlot();
    bool anyDocumentsLeft() const;
    int upperBound() const { return m_windows.size() - 1; }

    void setWindow(int slot, DocumentWindow* window);
    DocumentWindow* window(int slot) const;
    // Marks the slot free for reuse; its window pointer is dropped.
    void release(int slot);

    bool isDeleted(int slot) const { return m_states.at(slot).deleted; }
    bool isChanged(int slot) const { return m_states.at(slot).changed; }
    void setChanged(int slot, bool changed) { m_states[slot].changed = changed; }

    // Windows of the slots in use, in ascending slot order.
    QList<DocumentWindow*> openWindows() const;

private:
    QList<DocumentWindow*> m_windows{nullptr};
    QList<State> m_states{State{}};
};
