#include "document/StructureTyping.h"

#include "document/CommandHandlers.h"
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "html/Abbreviation.h"
#include "tags/InsertionStops.h"
#include "tags/InsertionTarget.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

namespace {

constexpr int kLinesRead = 100;
constexpr int kShownLength = 40;

QString leadingBlanks(const QString& line) {
    qsizetype end = 0;
    while (end < line.size() && (line[end] == u' ' || line[end] == u'\t'))
        ++end;
    return line.left(end);
}

struct Abbreviation {
    int from = 0;
    int to = 0;
    QString text;
};

// The selected abbreviation, else the one that ends at the caret.
std::optional<Abbreviation> abbreviationAt(const QTextCursor& cursor) {
    if (cursor.hasSelection()) {
        const QString selected = cursor.selectedText();
        if (selected.contains(QChar::ParagraphSeparator))
            return std::nullopt;
        return Abbreviation{cursor.selectionStart(), cursor.selectionEnd(), selected};
    }
    const QString line = cursor.block().text();
    const int column = cursor.positionInBlock();
    const int start = int(abbreviationStart(line, column));
    return Abbreviation{cursor.block().position() + start, cursor.position(),
                        line.mid(start, column - start)};
}

QString shown(const QString& abbreviation) {
    if (abbreviation.size() <= kShownLength)
        return abbreviation;
    return abbreviation.left(kShownLength - 3) + QStringLiteral("...");
}

}  // namespace

MarkupLayout StructureTyping::layoutAt(const QTextCursor& caret) {
    QStringList lines;
    QTextBlock block = caret.block();
    MarkupLayout layout;
    layout.baseIndent = leadingBlanks(block.text());
    for (int read = 0; block.isValid() && read < kLinesRead; ++read, block = block.previous())
        lines << block.text();
    layout.indentUnit = indentUnitOf(lines);
    return layout;
}

void StructureTyping::expandAbbreviation(QPlainTextEdit& editor, InsertionTarget& target) {
    QTextCursor cursor = editor.textCursor();
    const std::optional<Abbreviation> abbreviation = abbreviationAt(cursor);
    if (!abbreviation) {
        target.showStatusNote(QStringLiteral(" An abbreviation is one line: select less."));
        return;
    }
    if (abbreviation->text.isEmpty()) {
        target.showStatusNote(QStringLiteral(" There is no abbreviation before the caret."));
        return;
    }
    const AbbreviationExpansion expansion = expandAbbreviation(abbreviation->text);
    if (!expansion.ok()) {
        target.showStatusNote(QStringLiteral(" Cannot expand \"%1\": %2.")
                                  .arg(shown(abbreviation->text), expansion.error));
        return;
    }
    const QString text = writeMarkup(expansion.nodes, layoutAt(cursor));
    cursor.setPosition(abbreviation->from);
    cursor.setPosition(abbreviation->to, QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
    InsertionStops::typeStructure(&editor, text);
}

void StructureTyping::bindCommands(CommandHandlers& commands, InsertionTarget& target) {
    commands.bindForDocument(Command::EditExpandAbbreviation, [&target](DocumentWindow& doc) {
        expandAbbreviation(*doc.editor(), target);
    });
}
