#include "completion/CompletionPopup.h"

#include <QPlainTextEdit>
#include <QStyle>
#include <algorithm>

namespace {

constexpr int kShownRows = 10;
constexpr int kMinimumWidth = 120;

}  // namespace

void CompletionEntries::setEntries(const QList<HtmlEntry>& entries) {
    beginResetModel();
    m_entries = entries;
    endResetModel();
}

int CompletionEntries::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant CompletionEntries::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const HtmlEntry& entry = m_entries[index.row()];
    switch (role) {
        case Qt::DisplayRole:
            return entry.name;
        case Qt::ToolTipRole:
            return entry.link.isEmpty() ? QVariant() : QVariant(entry.link);
        case Qt::FontRole:
            // Deprecated entries stay readable but step back.
            return entry.deprecated ? QVariant(m_struck) : QVariant();
        default:
            return {};
    }
}

CompletionPopup::CompletionPopup(QPlainTextEdit& editor)
    : QListView(&editor), m_editor(editor), m_model(this) {
    setObjectName(QStringLiteral("tag_completion_list"));
    setFocusPolicy(Qt::NoFocus);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    // Opaque, so that a list refiltered as the user types does not repaint the text beneath it.
    setAutoFillBackground(true);
    setFont(editor.font());
    QFont struck = font();
    struck.setStrikeOut(true);
    m_model.setStruckFont(struck);
    setModel(&m_model);
    connect(this, &QListView::clicked, this, &CompletionPopup::picked);
    hide();
}

void CompletionPopup::showEntries(const QList<HtmlEntry>& entries, int anchor) {
    m_model.setEntries(entries);
    setCurrentIndex(m_model.index(0));
    placeAt(anchor, entries);
    show();
    raise();
}

// Under the text being completed rather than the caret, so that the list stays where it is
// while a name is typed and the editor need not redraw what it uncovers.
void CompletionPopup::placeAt(int anchor, const QList<HtmlEntry>& entries) {
    QTextCursor at = m_editor.textCursor();
    at.setPosition(anchor);
    const QRect line = m_editor.cursorRect(at);
    const QPoint below = m_editor.viewport()->mapTo(&m_editor, line.bottomLeft());
    const QPoint above = m_editor.viewport()->mapTo(&m_editor, line.topLeft());
    const int rowHeight = qMax(1, sizeHintForRow(0));
    const int frame = 2 * frameWidth();
    const int height = int(qMin<qsizetype>(entries.size(), kShownRows)) * rowHeight + frame;
    const auto longest = std::max_element(
        entries.cbegin(), entries.cend(),
        [](const HtmlEntry& a, const HtmlEntry& b) { return a.name.size() < b.name.size(); });
    const int text = longest == entries.cend() ? 0 : fontMetrics().horizontalAdvance(longest->name);
    // The style's scroll bar width: asking the scroll bar for its size hint costs more than the
    // rest of the placing.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int width =
        qMin(qMax(kMinimumWidth, text + frame + rowHeight + scrollBar), m_editor.width());
    const bool roomBelow = below.y() + height <= m_editor.height() || above.y() < height;
    const int x = qBound(0, below.x(), qMax(0, m_editor.width() - width));
    setGeometry(x, roomBelow ? below.y() : above.y() - height, width, height);
}

bool CompletionPopup::moveChoice(int key) {
    const int page = kShownRows - 1;
    const int last = m_model.rowCount() - 1;
    int row = currentRow();
    switch (key) {
        case Qt::Key_Up:
            row = row <= 0 ? last : row - 1;
            break;
        case Qt::Key_Down:
            row = row >= last ? 0 : row + 1;
            break;
        case Qt::Key_PageUp:
            row = qMax(0, row - page);
            break;
        case Qt::Key_PageDown:
            row = qMin(last, row + page);
            break;
        default:
            return false;
    }
    setCurrentIndex(m_model.index(row));
    return true;
}
