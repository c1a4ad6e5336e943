#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "recovery/RecoveryDialog.h"

namespace {

const QDateTime kTaken(QDate(2024, 5, 6), QTime(7, 8, 9));

RecoveryRequest requestWith(int items, const QStringList& notes) {
    RecoveryRequest request;
    for (int i = 1; i <= items; ++i)
        request.items.append({QStringLiteral("/site/page%1.html").arg(i), kTaken});
    request.notes = notes;
    return request;
}

}  // namespace

class TestRecoveryDialog : public QObject {
    Q_OBJECT

private slots:
    void listsDocumentsWithTheirTimeAndTheSkippedOnes();
    void eachButtonGivesItsAnswer_data();
    void eachButtonGivesItsAnswer();
    void eachDocumentHasItsOwnCheckBox();
    void discardAsksFirstWhenSomeAreUnchecked_data();
    void discardAsksFirstWhenSomeAreUnchecked();
    void theDialogIsWideEnoughForItsTitleAndColumns();
};

void TestRecoveryDialog::eachDocumentHasItsOwnCheckBox() {
    RecoveryDialog dialog(requestWith(2, {}));
    auto* items = dialog.findChild<QTreeWidget*>(QStringLiteral("recovery_items"));
    auto* restore = dialog.findChild<QPushButton*>(QStringLiteral("recovery_restore"));
    QCOMPARE(dialog.chosen(), QList<bool>({true, true}));
    items->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    QCOMPARE(dialog.chosen(), QList<bool>({false, true}));
    QVERIFY(restore->isEnabled());
    items->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    QVERIFY(!restore->isEnabled());
}

void TestRecoveryDialog::discardAsksFirstWhenSomeAreUnchecked_data() {
    QTest::addColumn<bool>("uncheckOne");
    QTest::addColumn<QMessageBox::StandardButton>("reply");
    QTest::addColumn<RecoveryAnswer>("answer");
    QTest::newRow("all checked: no question")
        << false << QMessageBox::NoButton << RecoveryAnswer::Discard;
    QTest::newRow("one unchecked, confirmed")
        << true << QMessageBox::Discard << RecoveryAnswer::Discard;
    QTest::newRow("one unchecked, cancelled")
        << true << QMessageBox::Cancel << RecoveryAnswer::Later;
}

void TestRecoveryDialog::discardAsksFirstWhenSomeAreUnchecked() {
    QFETCH(bool, uncheckOne);
    QFETCH(QMessageBox::StandardButton, reply);
    QFETCH(RecoveryAnswer, answer);
    RecoveryDialog dialog(requestWith(2, {}));
    if (uncheckOne)
        dialog.findChild<QTreeWidget*>()->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    bool asked = false;
    QTimer::singleShot(0, &dialog, [&] {
        auto* question = dialog.findChild<QMessageBox*>();
        asked = question != nullptr;
        if (question)
            question->button(reply)->click();
    });
    dialog.findChild<QPushButton*>(QStringLiteral("recovery_discard"))->click();
    QCOMPARE(asked, reply != QMessageBox::NoButton);
    QCOMPARE(dialog.answer(), answer);
}

void TestRecoveryDialog::theDialogIsWideEnoughForItsTitleAndColumns() {
    RecoveryRequest request = requestWith(1, {});
    request.items.first().name = QStringLiteral("/home/someone/sites/a-long-folder/index.html");
    RecoveryDialog dialog(request);
    dialog.show();
    auto* items = dialog.findChild<QTreeWidget*>(QStringLiteral("recovery_items"));
    const QFontMetrics metrics(items->font());
    for (int column = 0; column < 2; ++column) {
        const QString text = items->topLevelItem(0)->text(column);
        QVERIFY2(items->columnWidth(column) >= metrics.horizontalAdvance(text), qPrintable(text));
    }
    QVERIFY(items->viewport()->width() >= items->columnWidth(0) + items->columnWidth(1));
    QVERIFY(dialog.width() >= QFontMetrics(dialog.font()).horizontalAdvance(dialog.windowTitle()));
}

void TestRecoveryDialog::listsDocumentsWithTheirTimeAndTheSkippedOnes() {
    RecoveryDialog dialog(requestWith(2, {QStringLiteral("Untitled 2 could not be recovered: it "
                                                         "is cut short.")}));
    auto* items = dialog.findChild<QTreeWidget*>(QStringLiteral("recovery_items"));
    QVERIFY(items);
    QCOMPARE(items->topLevelItemCount(), 2);
    QCOMPARE(items->topLevelItem(1)->text(0), QStringLiteral("/site/page2.html"));
    QCOMPARE(items->topLevelItem(1)->text(1), RecoveryDialog::timeText(kTaken));
    auto* notes = dialog.findChild<QLabel*>(QStringLiteral("recovery_notes"));
    QVERIFY(notes);
    QVERIFY(notes->text().contains(QStringLiteral("Untitled 2 could not be recovered")));
}

void TestRecoveryDialog::eachButtonGivesItsAnswer_data() {
    QTest::addColumn<int>("items");
    QTest::addColumn<QString>("button");  // empty: the dialog is closed
    QTest::addColumn<RecoveryAnswer>("answer");
    QTest::newRow("restore") << 1 << QStringLiteral("recovery_restore") << RecoveryAnswer::Restore;
    QTest::newRow("discard") << 1 << QStringLiteral("recovery_discard") << RecoveryAnswer::Discard;
    QTest::newRow("closed") << 1 << QString() << RecoveryAnswer::Later;
    QTest::newRow("restore with only unreadable entries")
        << 0 << QStringLiteral("recovery_restore") << RecoveryAnswer::Later;
}

void TestRecoveryDialog::eachButtonGivesItsAnswer() {
    QFETCH(int, items);
    QFETCH(QString, button);
    QFETCH(RecoveryAnswer, answer);
    RecoveryDialog dialog(requestWith(items, {QStringLiteral("a note")}));
    dialog.show();
    if (button.isEmpty())
        dialog.reject();
    else
        QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
    QCOMPARE(dialog.answer(), answer);
}

QTEST_MAIN(TestRecoveryDialog)
#include "tst_recoverydialog.moc"
