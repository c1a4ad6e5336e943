#include "recovery/RecoveryDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
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
}

QString RecoveryDialog::timeText(const QDateTime& time) {
    const QLocale locale = QLocale::system();
    return locale.toString(time.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(time.time(), QLocale::LongFormat);
}

void RecoveryDialog::addItems(const RecoveryRequest& request) {
    auto* items = new QTreeWidget(this);
    items->setObjectName(QStringLiteral("recovery_items"));
    items->setRootIsDecorated(false);
    items->setHeaderLabels({tr("Document"), tr("Kept at")});
    for (const RecoveryItem& item : request.items)
        new QTreeWidgetItem(items, {item.name, timeText(item.taken)});
    items->resizeColumnToContents(0);
    items->setVisible(!request.items.isEmpty());
    layout()->addWidget(items);
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
    QPushButton* discard = buttons->addButton(tr("&Discard"), QDialogButtonBox::DestructiveRole);
    restore->setObjectName(QStringLiteral("recovery_restore"));
    discard->setObjectName(QStringLiteral("recovery_discard"));
    restore->setEnabled(anyItems);
    restore->setDefault(anyItems);
    connect(restore, &QPushButton::clicked, this, [this] {
        m_answer = RecoveryAnswer::Restore;
        accept();
    });
    connect(discard, &QPushButton::clicked, this, [this] {
        m_answer = RecoveryAnswer::Discard;
        accept();
    });
    layout()->addWidget(buttons);
}
