#pragma once

#include <QPointer>
#include <functional>

class CommandHandlers;
class DialogService;
class DocumentWindow;
class FindDialog;
class QString;
class QWidget;
class ReplaceDialog;
struct FindState;

// Find, Find Next and the search behind them, over the program's search state, which every
// document window shares, with the one Find dialog; Replace, with its one dialog; Go to Line.
class DocumentSearch {
public:
    using ActiveDocument = std::function<DocumentWindow*()>;
    // Shows a note in the status line.
    using StatusNote = std::function<void(const QString& text)>;

    DocumentSearch(FindState& state, DialogService& dialogs, QWidget* dialogParent,
                   ActiveDocument activeDocument);

    // Binds Find, Find Next, Replace and Go to Line; Replace All's count goes to `showNote`.
    void bindCommands(CommandHandlers& commands, StatusNote showNote);

    // Opens the Find dialog (or reuses the open one) with the search field taken from the
    // window's selection, else from the last search text.
    void find(DocumentWindow& doc);
    // Searches again, or opens the dialog while there is nothing to search for.
    void findNext(DocumentWindow& doc);
    // Searches the active document's visible box and selects the match, or says that there is
    // none.
    void findNextMatch();
    // Keeps the Find dialog in front of the window's editor while it is shown.
    void keepDialogInFront(DocumentWindow& doc);

    // Opens the Replace dialog (or brings the open one forward), its search text taken from
    // a selection within one line.
    void replace(DocumentWindow& doc);
    // Asks for a line (and column) and puts the caret there.
    void goToLine(DocumentWindow& doc);

    // The Find dialog while it is open.
    FindDialog* dialog() const;

private:
    FindDialog& openDialog();

    FindState& m_state;
    DialogService& m_dialogs;
    QWidget* m_dialogParent;
    ActiveDocument m_activeDocument;
    QPointer<FindDialog> m_dialog;
    QPointer<ReplaceDialog> m_replace;
    StatusNote m_showNote;
};
