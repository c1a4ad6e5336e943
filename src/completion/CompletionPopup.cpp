#include "completion/CompletionPopup.h"

#include <QPlainTextEdit>
#include <QScrollBar>

namespace {

constexpr int kShownRows = 10;
constexpr int kMinimumWidth = 120;

}  // namespace

CompletionPopup::CompletionPopup(QPlainTextEdit& editor) : QListWidget(&editor), m_editor(editor) {
    setObjectName(QStringLiteral("tag_completion_list"));
    setFocusPolicy(Qt::NoFocus);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setFont(editor.font());
    connect(this, &QListWidget::itemClicked, this, &CompletionPopup::picked);
    hide();
}

void CompletionPopup::showEntries(const QList<HtmlEntry>& entries) {
    fill(entries);
    setCurrentRow(0);
    placeAtCaret();
    show();
    raise();
}

void CompletionPopup::fill(const QList<HtmlEntry>& entries) {
    setUpdatesEnabled(false);
    clear();
    // Deprecated entries stay readable but step back.
    const QColor faded = palette().color(QPalette::Disabled, QPalette::Text);
    QFont struck = font();
    struck.setStrikeOut(true);
    m_textWidth = 0;
    for (const HtmlEntry& entry : entries) {
        m_textWidth = qMax(m_textWidth, fontMetrics().horizontalAdvance(entry.name));
        auto* item = new QListWidgetItem(entry.name, this);
        if (!entry.link.isEmpty())
            item->setToolTip(entry.link);
        if (entry.deprecated) {
            item->setForeground(faded);
            item->setFont(struck);
        }
    }
    setUpdatesEnabled(true);
}

void CompletionPopup::placeAtCaret() {
    const QRect caret = m_editor.cursorRect();
    const QPoint below = m_editor.viewport()->mapTo(&m_editor, caret.bottomLeft());
    const QPoint above = m_editor.viewport()->mapTo(&m_editor, caret.topLeft());
    const int rowHeight = qMax(1, sizeHintForRow(0));
    const int frame = 2 * frameWidth();
    const int height = qMin(count(), kShownRows) * rowHeight + frame;
    const int width = qMin(qMax(kMinimumWidth, m_textWidth + frame + 2 * rowHeight +
                                                   verticalScrollBar()->sizeHint().width()),
                           m_editor.width());
    const bool roomBelow = below.y() + height <= m_editor.height() || above.y() < height;
    const int x = qBound(0, below.x(), qMax(0, m_editor.width() - width));
    setGeometry(x, roomBelow ? below.y() : above.y() - height, width, height);
}

bool CompletionPopup::moveChoice(int key) {
    const int page = qMax(1, kShownRows - 1);
    const int last = count() - 1;
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
    setCurrentRow(row);
    return true;
}
