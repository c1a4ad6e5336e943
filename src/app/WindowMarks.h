#pragma once

#include <QObject>
#include <QPointer>

class DocumentArea;
class DocumentTable;
class DocumentWindow;
class ProgramState;
class QIcon;
class QLabel;
class QMdiArea;
class QMdiSubWindow;

// Which documents have unsaved changes, shown without touching a caption: the status line's
// "Modified" panel for the active document, and a mark on the icon of each changed window,
// which its tab shows as well. Tabs name the file alone, with its full path as their tip. All
// of it follows the document table's changed marks.
class WindowMarks : public QObject {
    Q_OBJECT
public:
    WindowMarks(DocumentArea& documents, QMdiArea& area, ProgramState& state, QLabel& panel);

    // The icon of a window with unsaved changes: `plain` with a dot over its lower right part,
    // drawn at whatever size and scale it is shown.
    static QIcon markedIcon(const QIcon& plain);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(DocumentWindow& doc);
    void markWindow(DocumentWindow& doc);
    void showActive();
    void labelTabs();
    void labelTab(DocumentWindow& doc);

    DocumentArea& m_documents;
    QMdiArea& m_area;
    DocumentTable& m_table;
    QPointer<QLabel> m_panel;
};
