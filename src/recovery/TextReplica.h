#pragma once

#include <QTextDocument>

#include "recovery/TextChanges.h"

// A copy of a document, kept up to date from an EditRecorder's changes, that can be encoded away
// from the user-interface thread. It lives on one thread, like any QTextDocument.
class TextReplica {
public:
    TextReplica();

    // Applies the changes; false when the copy no longer matches the document (or had lost track
    // before and the changes start from the copy), and then it waits for changes that start
    // afresh.
    bool apply(const TextChanges& changes);
    bool isInStep() const { return m_inStep; }
    const QTextDocument& document() const { return m_document; }

private:
    bool replace(const TextEdit& edit);
    bool copyMarks(const TextChanges& changes);

    QTextDocument m_document;
    bool m_inStep = false;
};
