#pragma once

#include <QPointer>
#include <functional>

class DialogService;
class DocumentWindow;
class FindDialog;
class QWidget;
struct FindState;

// Find, Find Next and the search behind them, over the program's search state, which every
// document window shares, with the one Find dialog.
class FindCommands {
public:
    using ActiveDocument = std::function<DocumentWindow*()>;

    FindCommands(FindState& state, DialogService& dialogs, QWidget* dialogParent,
                 ActiveDocument activeDocument);

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

    // The Find dialog while it is open.
    FindDialog* dialog() const;

private:
    FindDialog& openDialog();

    FindState& m_state;
    DialogService& m_dialogs;
    QWidget* m_dialogParent;
    ActiveDocument m_activeDocument;
    QPointer<FindDialog> m_dialog;
};
