#pragma once

#include "html/HtmlData.h"

#include <QAbstractListModel>
#include <QListView>

class QPlainTextEdit;

// The names a completion list shows: a plain list model over the entries, so that refiltering
// as the user types replaces one list and makes no item objects.
class CompletionEntries : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setEntries(const QList<HtmlEntry>& entries);
    // The font of deprecated entries: the list's own, struck through.
    void setStruckFont(const QFont& font) { m_struck = font; }
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QList<HtmlEntry> m_entries;
    QFont m_struck;
};

// The list of names under the text being completed. It lies over the editor as a child of it and
// never takes the keyboard focus: the editor keeps typing, and TagCompleter hands it the keys it
// uses.
class CompletionPopup : public QListView {
    Q_OBJECT
public:
    explicit CompletionPopup(QPlainTextEdit& editor);

    // Shows `entries` (best first, the first one chosen) under the text from `anchor` on, or
    // above it where the editor has no room below.
    void showEntries(const QList<HtmlEntry>& entries, int anchor);
    int currentRow() const { return currentIndex().row(); }
    // Moves the choice for Up, Down, Page Up and Page Down; false for any other key.
    bool moveChoice(int key);

signals:
    // An entry was clicked.
    void picked();

private:
    void placeAt(int anchor, const QList<HtmlEntry>& entries);

    QPlainTextEdit& m_editor;
    CompletionEntries m_model;
};
