#pragma once

#include "commands/Command.h"
#include "document/EditorAids.h"
#include "text/TextFormat.h"
#include "ui/CommonDialog.h"

#include <QString>
#include <QWidget>

class CommandHandlers;
class CommandMenus;
class EditorBox;
class InsertionTarget;
class ProgramState;
class QAction;
class QMdiSubWindow;
class QMenu;
struct FontChoice;

// A document window: a view of one slot of the document table, with its editor and its own
// menus. The editor stands for the window's wrapping and non-wrapping boxes (see EditorBox).
class DocumentWindow : public QWidget {
    Q_OBJECT
public:
    // What a window asks of the program around it.
    class Host {
    public:
        virtual ~Host() = default;
        // The close prompt; false keeps the window open.
        virtual bool queryClose(DocumentWindow& doc) = 0;
        // The window has agreed to close and is about to go.
        virtual void closed(DocumentWindow& doc) = 0;
        // A recent-file entry of the window's File menu was chosen.
        virtual void openRecentFile(const QString& fileName) = 0;
    };

    DocumentWindow(ProgramState& state, int slot, Host& host, InsertionTarget& target,
                   DialogService& dialogs, const CommandHandlers& commands);

    int slot() const { return m_slot; }
    EditorBox* editor() const { return m_editor; }

    QString caption() const;
    void setCaption(const QString& caption);
    bool isUntitled() const;
    bool isChanged() const;
    void setChanged(bool changed);

    // How the file's text is written back: its encoding and line end.
    TextFormat textFormat() const { return m_format; }
    void setTextFormat(const TextFormat& format) { m_format = format; }
    // Replaces the whole text with a file's bytes (not an edit: the document stays clean).
    void loadBytes(const QByteArray& bytes);
    // The same for text the program kept itself: bytes in the format `kept`, for a document that
    // saves in `format`.
    void loadKeptText(const QByteArray& bytes, const TextFormat& kept, const TextFormat& format);

    // Font and colours change only how the text shows: none of them counts as an edit.
    void applyFont(const FontChoice& font);
    void applyBackColor(const QColor& color);
    void applyForeColor(const QColor& color);
    // Shows the other editor box (Wrap Text).
    void switchWrap();
    // "Ln 12, Col 5": where the caret is.
    QString caretPlace() const;

    const QList<QMenu*>& menus() const;
    QAction* action(Command id) const;
    // An entry drawn from data (a tag, a user-menu line, a recent file), by its object name.
    QAction* entry(const QString& name) const;
    QMenu* menu(const char* name) const;
    // Sets the entries' marks from the program state and this window's editor.
    void refreshMenus();
    // The window's own colour and font dialog object.
    CommonDialog& commonDialog() { return m_commonDialog; }

    QMdiSubWindow* subWindow() const;
    // Makes this the active window of its area.
    void activate();
    // Closes the window through its frame window, so the close prompt runs.
    bool closeDocument();

signals:
    // A text for the frame's status line (the size report).
    void statusMessage(const QString& text);
    // The whole text was just replaced with these bytes, read in this format.
    void loaded(const QByteArray& bytes, const TextFormat& format);
    // The caret moved; caretPlace() says where to.
    void caretMoved();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showLoadedText(const QByteArray& bytes, const TextFormat& format);
    void buildMenus(InsertionTarget& target);
    void connectState();
    void connectEditor();
    void applyEditorSwitches();
    void onContentsChange(int from, int charsRemoved, int charsAdded);
    void reportSize();
    void reportSizeOnMouseMove();
    template <typename Change>
    void withoutChangeTracking(Change change);

    ProgramState& m_state;
    const int m_slot;
    Host& m_host;
    EditorBox* m_editor;
    TextFormat m_format;
    CommonDialog m_commonDialog;
    const CommandHandlers& m_commands;
    CommandMenus* m_menus;
    EditorAids m_aids;
    bool m_applyingAppearance = false;
};
