#pragma once

#include <QList>
#include <QObject>
#include <QString>

// The check marks of the switches in one window's Options menu. Each window keeps its own: a
// window takes them from the stored preferences when it is made, and later changes reach only
// the window they were made in (and the frame), never the other windows already open.
struct MenuMarks {
    bool useTemplate = false;
    bool startWithoutDocument = false;
    bool preferencesCleared = false;

    bool operator==(const MenuMarks&) const = default;
};

// The program-wide table of documents. Slots are numbered from 1 (slot 0 exists but is never
// handed out); the table grows one slot at a time, never shrinks, and a closed document's slot
// is reused before it grows. Each slot in use holds its document's caption (the file's path, or
// "Untitled" and its variants), its changed mark and its window's menu marks.
class DocumentTable : public QObject {
    Q_OBJECT
public:
    struct State {
        bool deleted = false;
        bool changed = false;
        QString caption;
        MenuMarks marks;
    };

    // Sizes the table for one slot, in use.
    void startWith();

    // The lowest free slot, marked in use; grows the table when none is free.
    int findFreeSlot();
    bool anyDocumentsLeft() const;
    int upperBound() const { return m_states.size() - 1; }
    // Marks the slot free for reuse.
    void release(int slot);
    // The slots in use, in ascending order.
    QList<int> openSlots() const;

    bool isDeleted(int slot) const { return m_states.at(slot).deleted; }
    bool isChanged(int slot) const { return m_states.at(slot).changed; }
    void setChanged(int slot, bool changed);

    // The caption is the document's name and its file name at once.
    QString caption(int slot) const { return m_states.at(slot).caption; }
    void setCaption(int slot, const QString& caption);
    bool isUntitled(int slot) const;

    const MenuMarks& marks(int slot) const { return m_states.at(slot).marks; }
    void setMarks(int slot, const MenuMarks& marks);

signals:
    void captionChanged(int slot);
    void changedMarkChanged(int slot, bool changed);
    void marksChanged(int slot);

private:
    QList<State> m_states{State{}};
};
