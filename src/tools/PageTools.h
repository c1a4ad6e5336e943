#pragma once

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <functional>

class CommandHandlers;
class DialogService;
class DocumentWindow;
class PageCheckPanel;
class QPlainTextEdit;
class QWidget;

// Tools > Preview in Browser and Tools > Check Page for the document windows. The browser is
// started through an opener that tests replace; the problem panel is made on first use, so a
// start that never checks a page does not pay for it.
class PageTools : public QObject {
    Q_OBJECT
public:
    // Hands an address to the desktop; false when nothing could take it.
    using UrlOpener = std::function<bool(const QUrl&)>;
    // Shows a panel under the document windows.
    using PanelHost = std::function<void(QWidget* panel)>;

    PageTools(DialogService& dialogs, QWidget* dialogParent, PanelHost showPanel);

    // Binds Preview in Browser and Check Page.
    void bindCommands(CommandHandlers& commands);

    // Shows the document's file in the browser BROWSER names, else the desktop's default one. A
    // changed document is saved first through Save, an untitled one through Save As; a
    // cancelled or failed save shows nothing. Without a browser, the user is told how to get one.
    void preview(DocumentWindow& doc);
    // Checks the document's page in the panel under the document windows.
    void checkPage(DocumentWindow& doc);

    // The panel, or nullptr before the first check.
    PageCheckPanel* panel() const;
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }

private:
    PageCheckPanel& shownPanel();
    void goToProblem(QPlainTextEdit* editor, int line, int column);

    DialogService& m_dialogs;
    QWidget* m_dialogParent;
    PanelHost m_showPanel;
    QPointer<PageCheckPanel> m_panel;
    UrlOpener m_openUrl;
};
