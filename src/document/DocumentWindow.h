#pragma once

#include "document/CommonDialog.h"
#include "document/TextFormat.h"

#include <QString>
#include <QWidget>

class EditorBox;
class MainFrame;
class QAction;
class QMdiSubWindow;
class QMenu;

// A document window: one text file in the frame, with its own menus. Its editor box stands for
// the window's wrapping and non-wrapping boxes (see EditorBox).
class DocumentWindow : public QWidget {
    Q_OBJECT
public:
    DocumentWindow(MainFrame& frame, int slot);

    MainFrame& frame() const { return m_frame; }
    int slot() const { return m_slot; }
    EditorBox* editor() const { return m_editor; }

    // The caption is the document's name and its file name at once.
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    bool isUntitled() const { return m_caption.startsWith(QLatin1String("Untitled")); }

    bool isChanged() const;
    void setChanged(bool changed);

    // How the file's text is written back: its encoding and line end.
    TextFormat textFormat() const { return m_format; }
    void setTextFormat(const TextFormat& format) { m_format = format; }
    // Replaces the whole text with a file's bytes (not an edit: the document stays clean).
    void loadBytes(const QByteArray& bytes);

    QList<QMenu*> menus() const { return m_menus; }
    // The window's own colour and font dialog object.
    CommonDialog& commonDialog() { return m_commonDialog; }
    QAction* action(const QString& name) const;
    QMenu* menu(const QString& name) const;
    // Enables the named entry and runs `handler` when it is chosen.
    template <typename Handler>
    void bind(const QString& name, Handler handler);

    QMdiSubWindow* subWindow() const;
    // Closes the window through its frame window, so the close prompt runs.
    bool closeDocument();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void bindOwnCommands();
    void connectEditor();
    void onContentsChange(int from, int charsRemoved, int charsAdded);
    void reportSize();
    void reportSizeOnMouseMove();

    MainFrame& m_frame;
    const int m_slot;
    QString m_caption;
    EditorBox* m_editor;
    TextFormat m_format;
    CommonDialog m_commonDialog;
    QList<QMenu*> m_menus;
};

template <typename Handler>
void DocumentWindow::bind(const QString& name, Handler handler) {
    QAction* entry = action(name);
    entry->setEnabled(true);
    connect(entry, &QAction::triggered, this, handler);
}
