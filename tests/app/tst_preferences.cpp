#include "app/FrameGeometry.h"
#include "app/PreferencesStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <memory>

class TestPreferences : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("prefs-%1.ini").arg(m_counter++));
    }

    void missingKeyReadsEmpty() {
        PreferencesStore store(m_path);
        QCOMPARE(store.get(Pref::Size, Pref::MainTop), QString());
        QVERIFY(store.getAll(Pref::RecentFiles).isEmpty());
    }

    void valuesReachTheFileAndSurviveAFreshStore() {
        {
            PreferencesStore store(m_path);
            store.save(Pref::RecentFiles, QStringLiteral("RecentFile1"),
                       QStringLiteral("/a b/c.html"));
            store.save(Pref::Noform, Pref::Checked, QStringLiteral("True"));
        }
        PreferencesStore reopened(m_path);
        QCOMPARE(reopened.get(Pref::RecentFiles, QStringLiteral("RecentFile1")),
                 QStringLiteral("/a b/c.html"));
        QCOMPARE(reopened.get(Pref::Noform, Pref::Checked), QStringLiteral("True"));
    }

    void getAllListsNumberedKeysInNumericOrder() {
        PreferencesStore store(m_path);
        for (int k : {1, 2, 3, 4, 10})
            store.save(Pref::RecentFiles, QStringLiteral("RecentFile%1").arg(k),
                       QString::number(k));
        QStringList keys;
        for (const auto& pair : store.getAll(Pref::RecentFiles))
            keys << pair.first;
        QCOMPARE(keys, QStringList({"RecentFile1", "RecentFile2", "RecentFile3", "RecentFile4",
                                    "RecentFile10"}));
    }

    void deleteSectionAndDeleteAllLeaveNothing() {
        PreferencesStore store(m_path);
        store.save(Pref::Font, Pref::Name, QStringLiteral("Mono"));
        store.save(Pref::Color, Pref::BackColor, QStringLiteral("255"));
        store.deleteSection(Pref::Font);
        store.deleteSection(QStringLiteral("Absent"));
        QCOMPARE(store.get(Pref::Font, Pref::Name), QString());
        QCOMPARE(store.get(Pref::Color, Pref::BackColor), QStringLiteral("255"));
        store.deleteAll();
        PreferencesStore reopened(m_path);
        QCOMPARE(reopened.get(Pref::Color, Pref::BackColor), QString());
    }

    void aFifoInPlaceOfTheFileIsLeftAlone() {
        const QByteArray fifo = QFile::encodeName(m_path);
        QVERIFY(::mkfifo(fifo.constData(), 0600) == 0);
        // Reading a FIFO waits for a writer: the store is made on another thread, and if it
        // waits, a writer that closes at once lets it go on and the test fail.
        std::unique_ptr<PreferencesStore> store;
        std::unique_ptr<QThread> maker(
            QThread::create([&] { store = std::make_unique<PreferencesStore>(m_path); }));
        maker->start();
        if (!maker->wait(QDeadlineTimer(5000))) {
            ::close(::open(fifo.constData(), O_WRONLY | O_NONBLOCK));
            maker->wait();
            QFAIL("making the store waited for the FIFO");
        }
        QCOMPARE(store->get(Pref::Size, Pref::MainTop), QString());
        store->save(Pref::Size, Pref::MainTop, QStringLiteral("300"));
        store->deleteAll();
        QVERIFY(store->getAll(Pref::Size).isEmpty());
        struct stat status {};
        QVERIFY(::stat(fifo.constData(), &status) == 0 && S_ISFIFO(status.st_mode));
        const QString name = QFileInfo(m_path).fileName();
        QCOMPARE(QDir(m_dir.path()).entryList({name + "*"}, QDir::AllEntries | QDir::System),
                 QStringList{name});
    }

    void theUserSettingsPathIsWhereQSettingsKeepsThem() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath("config")));
        QCOMPARE(PreferencesStore::userSettingsPath(),
                 QSettings(QSettings::NativeFormat, QSettings::UserScope, "Pagelark", "Pagelark")
                     .fileName());
    }

    void storedBooleansAreRead() {
        QVERIFY(Pref::isTrue(QStringLiteral("True")));
        QVERIFY(Pref::isTrue(QStringLiteral("-1")));
        QVERIFY(!Pref::isTrue(QStringLiteral("False")));
        QVERIFY(!Pref::isTrue(QStringLiteral("yes please")));
        QVERIFY(!Pref::isTrue(QString()));
    }

    void geometry_data() {
        QTest::addColumn<QStringList>("stored");  // top, height, width, left
        QTest::addColumn<bool>("used");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("as stored")
            << QStringList{"300", "4000", "6000", "450"} << true << QRect(450, 300, 6000, 4000);
        QTest::newRow("negative top and left raised to 0")
            << QStringList{"-120", "4000", "6000", "-60"} << true << QRect(0, 0, 6000, 4000);
        QTest::newRow("no main_top ignores the rest")
            << QStringList{"", "4000", "6000", "450"} << false << QRect();
        QTest::newRow("a word instead of a number")
            << QStringList{"300", "tall", "6000", "450"} << false << QRect();
        QTest::newRow("zero width") << QStringList{"300", "4000", "0", "450"} << false << QRect();
        QTest::newRow("fractions round")
            << QStringList{"300.4", "4000", "6000", "449.6"} << true << QRect(450, 300, 6000, 4000);
    }

    void geometry() {
        QFETCH(QStringList, stored);
        QFETCH(bool, used);
        QFETCH(QRect, twips);
        PreferencesStore store(m_path);
        const QString keys[] = {Pref::MainTop, Pref::MainHeight, Pref::MainWidth, Pref::MainLeft};
        for (int i = 0; i < 4; ++i) {
            if (!stored[i].isEmpty())
                store.save(Pref::Size, keys[i], stored[i]);
        }
        const auto read = FrameGeometry::readStored(store);
        QCOMPARE(read.has_value(), used);
        if (used)
            QCOMPARE(*read, twips);
    }

    void geometryRoundTrips() {
        PreferencesStore store(m_path);
        FrameGeometry::store(store, QRect(15, 30, 7050, 5805));
        QCOMPARE(store.get(Pref::Size, Pref::MainTop), QStringLiteral("30"));
        QCOMPARE(FrameGeometry::readStored(store), std::optional<QRect>(QRect(15, 30, 7050, 5805)));
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
    int m_counter = 0;
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
