#include "state/Preferences.h"
#include "state/PreferencesStore.h"
#include "state/StoredColor.h"

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
        QVERIFY(Preferences::isTrue(QStringLiteral("True")));
        QVERIFY(Preferences::isTrue(QStringLiteral("-1")));
        QVERIFY(!Preferences::isTrue(QStringLiteral("False")));
        QVERIFY(!Preferences::isTrue(QStringLiteral("yes please")));
        QVERIFY(!Preferences::isTrue(QString()));
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
        const auto read = Preferences(store).frameGeometry();
        QCOMPARE(read.has_value(), used);
        if (used)
            QCOMPARE(*read, twips);
    }

    void geometryRoundTrips() {
        PreferencesStore store(m_path);
        Preferences(store).setFrameGeometry(QRect(15, 30, 7050, 5805));
        QCOMPARE(store.get(Pref::Size, Pref::MainTop), QStringLiteral("30"));
        QCOMPARE(Preferences(store).frameGeometry(),
                 std::optional<QRect>(QRect(15, 30, 7050, 5805)));
    }

    void clearedModeStoresNothingButStillDeletes() {
        {
            PreferencesStore store(m_path);
            Preferences prefs(store);
            prefs.setToolbarShown(true);
            prefs.setCleared(true);
            prefs.setStartWithoutDocument(true);
            prefs.setRecentFiles({QStringLiteral("/a.html")});
            QVERIFY(!prefs.startWithoutDocument());
            prefs.clearAll();
        }
        PreferencesStore reopened(m_path);
        QVERIFY(!reopened.isCleared());  // every run starts with writing allowed
        QCOMPARE(reopened.getAll(Pref::Tools), (QList<QPair<QString, QString>>{}));
        QCOMPARE(reopened.get(Pref::RecentFiles, QStringLiteral("RecentFile1")), QString());
    }

    void switchesFollowTheirOwnRules_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("exactTrue");       // toolbar and start-up option
        QTest::addColumn<bool>("templateFrame");   // the frame's Template mark at start-up
        QTest::addColumn<bool>("templateWindow");  // a new window's Template mark
        QTest::addColumn<bool>("viewSwitch");      // on unless turned off
        QTest::addColumn<bool>("largeFiles");      // off unless turned on
        QTest::newRow("True") << "True" << true << false << false << true << true;
        QTest::newRow("true") << "true" << false << false << false << true << true;
        QTest::newRow("1") << "1" << false << true << true << true << true;
        QTest::newRow("1.0") << "1.0" << false << false << true << true << true;
        QTest::newRow("2") << "2" << false << false << false << true << true;
        QTest::newRow("empty") << "" << false << false << false << true << false;
        QTest::newRow("False") << "False" << false << false << false << false << false;
        QTest::newRow("0") << "0" << false << false << false << false << false;
        QTest::newRow("a word") << "yes" << false << false << false << true << false;
    }

    void switchesFollowTheirOwnRules() {
        QFETCH(QString, text);
        PreferencesStore store(m_path);
        for (const QString& section : {Pref::Tools, Pref::Noform, Pref::Template})
            store.save(section, Pref::Checked, text);
        store.save(Pref::Template, Pref::File, QStringLiteral("/t.html"));
        for (const QString& key :
             {Pref::SyntaxColouring, Pref::LineNumbers, Pref::TagCompletion, Pref::AutoCloseTags})
            store.save(Pref::View, key, text);
        store.save(Pref::Open, Pref::LargeFiles, text);
        const Preferences prefs(store);
        QTEST(prefs.toolbarShown(), "exactTrue");
        QTEST(prefs.startWithoutDocument(), "exactTrue");
        QTEST(prefs.templateOptions().marksFrameAtStartUp(), "templateFrame");
        QTEST(prefs.templateOptions().marksNewDocument(), "templateWindow");
        QTEST(prefs.syntaxColouring(), "viewSwitch");
        QTEST(prefs.lineNumbers(), "viewSwitch");
        QTEST(prefs.tagCompletion(), "viewSwitch");
        QTEST(prefs.autoCloseTags(), "viewSwitch");
        QTEST(prefs.openLargeFiles(), "largeFiles");
    }

    void fontAndColoursReadBack() {
        PreferencesStore store(m_path);
        Preferences prefs(store);
        QCOMPARE(prefs.font(), std::nullopt);
        const FontChoice font{QStringLiteral("Serif"), 8.25, true, false, true, false};
        prefs.setFont(font);
        QCOMPARE(prefs.font(), std::optional<FontChoice>(font));
        QCOMPARE(prefs.fontStatusText(), QStringLiteral(" Font:  Serif Bold 8.25 pt"));
        store.save(Pref::Font, Pref::FontSize, QStringLiteral("huge"));
        QCOMPARE(prefs.font()->pointSize, FontChoice::systemFixed().pointSize);

        prefs.setColors({QColor(255, 0, 0), QColor(0, 0, 255)});
        QCOMPARE(store.get(Pref::Color, Pref::BackColor), QStringLiteral("255"));
        QCOMPARE(prefs.colors()->fore, QColor(0, 0, 255));
        store.save(Pref::Color, Pref::BackColor, QStringLiteral("-2147483643"));
        QVERIFY(!prefs.colors());  // a system colour is no stored colour
    }

    void fileTypeOutsideTheListFallsBack() {
        PreferencesStore store(m_path);
        Preferences prefs(store);
        for (const char* text : {"0", "6", "two", ""}) {
            store.save(Pref::Files, Pref::Type, QLatin1String(text));
            QCOMPARE(prefs.fileType(2), 2);
        }
        prefs.setFileType(4);
        QCOMPARE(prefs.fileType(2), 4);
    }

    void storedColorRoundTrips_data() {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("stored");
        QTest::newRow("red") << QColor(255, 0, 0) << u"255"_qs;
        QTest::newRow("white") << QColor(255, 255, 255) << u"16777215"_qs;
        QTest::newRow("blue") << QColor(0, 0, 255) << u"16711680"_qs;
        QTest::newRow("1 2 3") << QColor(1, 2, 3) << u"197121"_qs;
        QTest::newRow("black") << QColor(0, 0, 0) << u"0"_qs;
    }

    void storedColorRoundTrips() {
        QFETCH(QColor, color);
        QFETCH(QString, stored);
        QCOMPARE(storedColorText(color), stored);
        QCOMPARE(QString::number(storedColorValue(color)), stored);
        QCOMPARE(colorFromStoredValue(stored), color);
    }

    void storedColorRejectsOtherText_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("empty") << QString();
        QTest::newRow("word") << u"red"_qs;
        QTest::newRow("trailing junk") << u"255x"_qs;
        QTest::newRow("fraction") << u"25.5"_qs;
        QTest::newRow("system colour") << u"-2147483643"_qs;
        QTest::newRow("beyond 24 bits") << u"16777216"_qs;
        QTest::newRow("too long for any integer") << u"99999999999999999999999"_qs;
    }

    void storedColorRejectsOtherText() {
        QFETCH(QString, stored);
        QVERIFY(!colorFromStoredValue(stored).isValid());
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
    int m_counter = 0;
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
