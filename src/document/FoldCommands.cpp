#include "document/FoldCommands.h"

#include "document/CommandHandlers.h"
#include "document/DocumentWindow.h"
#include "editor/EditorBox.h"
#include "syntax/HtmlFolding.h"

#include <QString>

void FoldCommands::bindCommands(CommandHandlers& commands,
                                std::function<void(const QString&)> showNote) {
    commands.bindForDocument(Command::ViewFold, [showNote](DocumentWindow& doc) {
        EditorBox& editor = *doc.editor();
        showNote(HtmlFolding::of(editor).fold(editor.textCursor().block()));
    });
    commands.bindForDocument(Command::ViewUnfold, [showNote](DocumentWindow& doc) {
        EditorBox& editor = *doc.editor();
        const QTextBlock line = editor.textCursor().block();
        if (!HtmlFolding::of(editor).unfold(line))
            showNote(QStringLiteral("Line %1 is not folded.").arg(line.blockNumber() + 1));
    });
    commands.bindForDocument(Command::ViewUnfoldAll, [showNote](DocumentWindow& doc) {
        const int count = HtmlFolding::of(*doc.editor()).unfoldAll();
        if (count == 0)
            showNote(QStringLiteral("Nothing is folded."));
        else
            showNote(count == 1 ? QStringLiteral("Unfolded 1 fold.")
                                : QStringLiteral("Unfolded %1 folds.").arg(count));
    });
}
