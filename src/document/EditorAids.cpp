#include "document/EditorAids.h"

#include "completion/TypingAids.h"

#include "editor/EditorBox.h"
#include "editor/LineNumberGutter.h"
#include "state/EditorSwitches.h"
#include "syntax/SyntaxColoring.h"

EditorAids::EditorAids(EditorBox& editor) : m_editor(editor) {}

void EditorAids::apply(const EditorSwitches& switches, const QString& fileName) {
    const bool html = SyntaxColoring::appliesTo(fileName);
    const bool colours = switches.syntaxColouring && html;
    if (colours && !m_coloring)
        m_coloring = new SyntaxColoring(m_editor);
    else if (!colours && m_coloring)
        delete m_coloring;
    if (switches.lineNumbers && !m_gutter)
        m_gutter = new LineNumberGutter(m_editor);
    else if (m_gutter)
        m_gutter->setVisible(switches.lineNumbers);
    if (html && !m_typing)
        m_typing = new TypingAids(m_editor);
    else if (!html && m_typing)
        delete m_typing;
    if (m_typing)
        m_typing->apply(switches.tagCompletion, switches.autoCloseTags);
}
