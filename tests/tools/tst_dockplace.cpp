// Where the live preview's dock was left, as the preferences keep it: every text the program
// writes reads back the same, and anything else gives the default place.
#include "tools/DockPlace.h"

#include <QTest>

class TestDockPlace : public QObject {
    Q_OBJECT
private slots:
    void readsBackWhatItWrites_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("beside") << u"left 320"_qs;
        QTest::newRow("below") << u"bottom 200"_qs;
        QTest::newRow("floating, partly off the left") << u"floating -40 80 600 500"_qs;
    }
    void readsBackWhatItWrites() {
        QFETCH(QString, text);
        QCOMPARE(DockPlace::fromText(text).toText(), text);
    }

    void oddTextGivesTheDefault_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("unknown side") << u"top 200"_qs;
        QTest::newRow("no size") << u"bottom"_qs;
        QTest::newRow("size not a number") << u"left wide"_qs;
        QTest::newRow("negative size") << u"left -5"_qs;
        QTest::newRow("absurd size") << u"right 99999999999"_qs;
        QTest::newRow("floating, a number short") << u"floating 1 2 3"_qs;
        QTest::newRow("floating, no width") << u"floating 1 2 0 40"_qs;
    }
    void oddTextGivesTheDefault() {
        QFETCH(QString, text);
        QCOMPARE(DockPlace::fromText(text).toText(), u"right 0"_qs);
    }
};

QTEST_MAIN(TestDockPlace)
#include "tst_dockplace.moc"
