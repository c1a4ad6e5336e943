#pragma once

#include <QPointer>
#include <QString>

class EditorBox;
class LineNumberGutter;
class SyntaxColoring;
class TypingAids;
struct EditorSwitches;

// What the View menu adds to one document's editor: HTML colouring and help with typing tags (for
// every file but text and batch files) and the line-number gutter. Each is made when it is first
// wanted. Colouring that is switched off goes, taking its colours along; the gutter is only
// hidden; the typing aids go with a file name that makes the document a text file.
class EditorAids {
public:
    explicit EditorAids(EditorBox& editor);

    // Brings the editor in line with the switches, for a document of this file name.
    void apply(const EditorSwitches& switches, const QString& fileName);

private:
    EditorBox& m_editor;
    QPointer<SyntaxColoring> m_coloring;
    QPointer<LineNumberGutter> m_gutter;
    QPointer<TypingAids> m_typing;
};
