#pragma once

#include "tags/CharacterSteps.h"
#include "tags/EditBuffer.h"
#include "tags/ScriptOutcome.h"

#include <QTextCursor>

class QPlainTextEdit;

// An EditBuffer over a QPlainTextEdit, for typing one script into the editor.
//
// Construct one per script, apply the script, then finish() (the destructor does it too).
// Everything the script changes is one undo step; with UndoStep::JoinPrevious it joins the
// previous step instead, so pieces of one insertion sent in a row undo together. Line moves use
// the widget's layout, so on a shown, wrapping editor they act on displayed lines.
//
// Cost per script does not depend on the document's size: the buffer works through a
// QTextCursor and never copies the text. Character steps that need no layout are taken without
// one, so typing and stepping back in turn costs no more per step as the paragraph grows.
class TextEditBuffer : public EditBuffer {
public:
    enum class UndoStep { New, JoinPrevious };

    explicit TextEditBuffer(QPlainTextEdit* editor, UndoStep step = UndoStep::New);
    ~TextEditBuffer() override;
    TextEditBuffer(const TextEditBuffer&) = delete;
    TextEditBuffer& operator=(const TextEditBuffer&) = delete;

    // Parses `script` and types it into `editor` as described above; tells what it typed.
    static ScriptOutcome typeScript(QPlainTextEdit* editor, const QString& script,
                                    UndoStep step = UndoStep::New);

    // Closes the undo step and gives the widget the caret and selection the script left.
    void finish();

    int length() const override;
    int position() const override { return m_cursor.position(); }
    int anchor() const override { return m_cursor.anchor(); }
    void insertText(const QString& text) override;
    bool move(Move move, bool extendSelection) override;
    bool deleteForward() override;
    bool deleteBackward() override;
    void selectAll() override;
    void cut() override;
    void copy() override;
    void paste() override;

private:
    void openEdit();
    void closeEdit();
    std::optional<int> stepWithoutLayout(Move move, bool extendSelection);
    void noteRemoval(int lengthBefore);
    bool moveThroughLayout(Move move, bool extendSelection);
    bool moveByLayout(QTextCursor::MoveOperation operation, QTextCursor::MoveMode mode, int count);
    int pageLineCount() const;

    QPlainTextEdit* m_editor;
    QTextCursor m_cursor;
    CharacterSteps m_steps;
    UndoStep m_step;
    bool m_editOpen = false;
    bool m_edited = false;
    bool m_finished = false;
};
