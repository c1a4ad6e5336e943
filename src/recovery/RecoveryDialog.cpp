#include "recovery/RecoveryDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

RecoveryDialog::RecoveryDialog(const RecoveryRequest& request, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("recovery_dialog"));
    setWindowTitle(tr("Recover Unsaved Documents"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("Pagelark did not close normally last time. It kept these "
                                "documents, which had changes that were not saved. Restore opens "
                                "them again, marked as changed; Discard deletes what was kept."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    addItems(request);
    addNotes(request.notes);
    addButtons(!request.items.isEmpty());
    fitToContents();
}

QList<bool> RecoveryDialog::chosen() const {
    QList<bool> marks;
    for (int i = 0; i < m_items->topLevelItemCount(); ++i)
        marks.append(m_items->topLevelItem(i)->checkState(0) == Qt::Checked);
    return marks;
}

void RecoveryDialog::fitToContents() {
    m_items->resizeColumnToContents(0);
    m_items->resizeColumnToContents(1);
    const int frame =
        2 * m_items->frameWidth() + m_items->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int columns = m_items->columnWidth(0) + m_items->columnWidth(1) + frame;
    // The title bar also shows the window's icon and buttons, about five title heights.
    const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
    const int titleWidth = title.horizontalAdvance(windowTitle()) + 5 * title.height();
    const QMargins margins = layout()->contentsMargins();
    const int width = std::max(columns, titleWidth) + margins.left() + margins.right();
    QScreen* shown = screen();
    resize(std::min(width, shown ? shown->availableGeometry().width() : width),
           sizeHint().height());
    m_items->setMinimumWidth(std::min(columns, width));
}

QString RecoveryDialog::timeText(const QDateTime& time) {
    const QLocale locale = QLocale::system();
    return locale.toString(time.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(time.time(), QLocale::LongFormat);
}

void RecoveryDialog::addItems(const RecoveryRequest& request) {
    m_items = new QTreeWidget(this);
    m_items->setObjectName(QStringLiteral("recovery_items"));
    m_items->setRootIsDecorated(false);
    m_items->setHeaderLabels({tr("Document"), tr("Kept at")});
    m_items->header()->setStretchLastSection(false);
    for (const RecoveryItem& item : request.items) {
        auto* row = new QTreeWidgetItem(m_items, {item.name, timeText(item.taken)});
        row->setCheckState(0, Qt::Checked);
    }
    m_items->setVisible(!request.items.isEmpty());
    // Restore needs at least one checked document.
    connect(m_items, &QTreeWidget::itemChanged, this,
            [this] { m_restore->setEnabled(chosen().contains(true)); });
    layout()->addWidget(m_items);
}

void RecoveryDialog::addNotes(const QStringList& notes) {
    if (notes.isEmpty())
        return;
    auto* label =
        new QLabel(tr("Skipped:") + QLatin1Char('\n') + notes.join(QLatin1Char('\n')), this);
    label->setObjectName(QStringLiteral("recovery_notes"));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    layout()->addWidget(label);
}

void RecoveryDialog::addButtons(bool anyItems) {
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* restore = buttons->addButton(tr("&Restore"), QDialogButtonBox::AcceptRole);
    m_restore = restore;
    QPushButton* discard = buttons->addButton(tr("&Discard"), QDialogButtonBox::DestructiveRole);
    restore->setObjectName(QStringLiteral("recovery_restore"));
    discard->setObjectName(QStringLiteral("recovery_discard"));
    restore->setEnabled(anyItems);
    restore->setDefault(anyItems);
    connect(restore, &QPushButton::clicked, this, [this] {
        m_answer = RecoveryAnswer::Restore;
        accept();
    });
    connect(discard, &QPushButton::clicked, this, &RecoveryDialog::discard);
    layout()->addWidget(buttons);
}

void RecoveryDialog::discard() {
    // Unchecked documents may be ones the user meant to keep: Discard deletes them too, so ask.
    if (chosen().contains(false)) {
        const auto answer = QMessageBox::question(
            this, windowTitle(),
            tr("Discard deletes every document listed, the unchecked ones too. Discard them all?"),
            QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Discard)
            return;
    }
    m_answer = RecoveryAnswer::Discard;
    accept();
}
