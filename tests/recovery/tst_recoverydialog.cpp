#include <QLabel>
#include <QPushButton>
#include <QTest>
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
};

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
