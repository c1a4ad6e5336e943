// Keys written down as a keystroke script: each key as the script language says it, and the
// keys it cannot say refused.
#include "tags/KeystrokeRecording.h"

#include <QKeySequence>
#include <QTest>

namespace {

// Presses `keys` in turn, each recorded on its own and added to `recording` as the recorder
// does: a key sequence such as "Shift+Left", or "=text" for a key typing text.
QList<KeystrokeRecording::Take> press(KeystrokeRecording& recording, const QStringList& keys) {
    QList<KeystrokeRecording::Take> takes;
    for (const QString& key : keys) {
        const QKeyCombination combination =
            key.startsWith(u'=') ? QKeyCombination(Qt::Key_unknown) : QKeySequence(key)[0];
        const QString text = key.startsWith(u'=') ? key.sliced(1) : QString();
        KeystrokeRecording piece;
        takes << piece.addKey(combination.key(), combination.keyboardModifiers(), text);
        recording.append(piece);
    }
    return takes;
}

}  // namespace

class TestKeystrokeRecording : public QObject {
    Q_OBJECT
private slots:
    void keysBecomeTheScriptThatTypesThem_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("script");
        QTest::newRow("characters, the script's own escaped")
            << QStringList{u"=<p a=\"1\">"_qs, u"={x}+^%~()&"_qs}
            << u"<p a=\"1\">{{}x{}}{+}{^}{%}{~}{(}{)}&"_qs;
        QTest::newRow("a key again takes a count")
            << QStringList{u"Left"_qs,        u"Left"_qs,        u"Left"_qs,
                           u"Shift+Right"_qs, u"Shift+Right"_qs, u"Right"_qs}
            << u"{left 3}+{right 2}{right}"_qs;
        QTest::newRow("Enter, Tab, Backspace and Delete")
            << QStringList{u"Return"_qs, u"Enter"_qs, u"Tab"_qs, u"Backspace"_qs, u"Del"_qs}
            << u"~~{tab}{bs}{del}"_qs;
        QTest::newRow("line and text ends") << QStringList{u"Ctrl+Home"_qs, u"Ctrl+Shift+End"_qs,
                                                           u"Home"_qs,      u"Shift+End"_qs,
                                                           u"Up"_qs,        u"Down"_qs}
                                            << u"^{home}^+{end}{home}+{end}{up}{down}"_qs;
        QTest::newRow("keys that change nothing are passed over")
            << QStringList{u"Shift"_qs, u"Esc"_qs, u"F5"_qs, u"=a"_qs} << u"a"_qs;
    }

    void keysBecomeTheScriptThatTypesThem() {
        QFETCH(QStringList, keys);
        QFETCH(QString, script);
        KeystrokeRecording recording;
        const auto takes = press(recording, keys);
        QVERIFY(!takes.contains(KeystrokeRecording::Take::Refused));
        QCOMPARE(recording.script(), script);
    }

    void keysAScriptCannotRepeatAreRefused_data() {
        QTest::addColumn<QString>("key");
        QTest::newRow("a word left") << u"Ctrl+Left"_qs;
        QTest::newRow("paste") << u"Ctrl+V"_qs;
        QTest::newRow("an Alt chord") << u"Alt+X"_qs;
        QTest::newRow("page down") << u"PgDown"_qs;
        QTest::newRow("insert") << u"Ins"_qs;
        QTest::newRow("Shift+Enter") << u"Shift+Return"_qs;
        QTest::newRow("Shift+Tab") << u"Shift+Backtab"_qs;
        QTest::newRow("Shift+Backspace") << u"Shift+Backspace"_qs;
        QTest::newRow("a control character") << u"=\u0007"_qs;
    }

    void keysAScriptCannotRepeatAreRefused() {
        QFETCH(QString, key);
        KeystrokeRecording recording;
        press(recording, {u"=ab"_qs, u"Left"_qs});
        QCOMPARE(press(recording, {key}), QList{KeystrokeRecording::Take::Refused});
        QCOMPARE(recording.script(), u"ab{left}"_qs);
    }
};

QTEST_MAIN(TestKeystrokeRecording)
#include "tst_keystrokerecording.moc"
