#include "state/DocumentTable.h"
#include "text/SizeReport.h"

#include <QLocale>
#include <QTest>

class TestDocumentTable : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void slotsStartAtOneAndGrowOneAtATime() {
        DocumentTable table;
        table.startWith();
        QCOMPARE(table.upperBound(), 1);
        QCOMPARE(table.findFreeSlot(), 2);
        QCOMPARE(table.findFreeSlot(), 3);
        QCOMPARE(table.upperBound(), 3);
        QVERIFY(table.anyDocumentsLeft());
    }

    void lowestFreeSlotIsReusedBeforeGrowing() {
        DocumentTable table;
        table.startWith();
        table.findFreeSlot();
        table.findFreeSlot();
        table.release(2);
        table.release(1);
        QCOMPARE(table.findFreeSlot(), 1);
        QCOMPARE(table.findFreeSlot(), 2);
        QCOMPARE(table.findFreeSlot(), 4);
    }

    void noDocumentsLeftOnceEverySlotIsReleased() {
        DocumentTable table;
        table.startWith();
        table.findFreeSlot();
        table.release(1);
        QVERIFY(table.anyDocumentsLeft());
        table.release(2);
        QVERIFY(!table.anyDocumentsLeft());
        QVERIFY(table.openSlots().isEmpty());
    }

    void changedFlagsBelongToTheirSlot() {
        DocumentTable table;
        table.startWith();
        table.findFreeSlot();
        table.setChanged(2, true);
        QVERIFY(!table.isChanged(1));
        QVERIFY(table.isChanged(2));
    }

    void sizeReport_data() {
        QTest::addColumn<qint64>("selected");
        QTest::addColumn<qint64>("length");
        QTest::addColumn<QString>("afterRelease");
        QTest::newRow("250 selected") << qint64(250) << qint64(5000) << " 250 bytes selected";
        QTest::newRow("999 selected") << qint64(999) << qint64(5000) << " 999 bytes selected";
        QTest::newRow("1000 selected") << qint64(1000) << qint64(5000) << " 1.000 KB selected";
        QTest::newRow("1500 selected") << qint64(1500) << qint64(5000) << " 1.500 KB selected";
        QTest::newRow("nothing selected, 999") << qint64(0) << qint64(999) << " 999 bytes";
        QTest::newRow("nothing selected, 1000") << qint64(0) << qint64(1000) << " 1.000 KB";
        QTest::newRow("nothing selected, 12345") << qint64(0) << qint64(12345) << " 12.345 KB";
        QTest::newRow("empty document") << qint64(0) << qint64(0) << " 0 bytes";
        QTest::newRow("20 MB has no grouping") << qint64(0) << qint64(20000007) << " 20000.007 KB";
    }

    void sizeReport() {
        QFETCH(qint64, selected);
        QFETCH(qint64, length);
        QFETCH(QString, afterRelease);
        QCOMPARE(SizeReport::afterRelease(selected, length), afterRelease);
    }

    void mouseMoveLeavesASelectionsReportAlone() {
        QCOMPARE(SizeReport::afterMouseMove(3, 50), std::nullopt);
        QCOMPARE(SizeReport::afterMouseMove(0, 50), std::optional<QString>(" 50 bytes"));
    }
};

QTEST_GUILESS_MAIN(TestDocumentTable)
#include "tst_documenttable.moc"
