#include "support/FrameFixture.h"

#include "app/StatusLine.h"
#include "document/DocumentWindow.h"
#include "editor/EditorAppearance.h"
#include "editor/EditorBox.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QTest>

Q_DECLARE_METATYPE(FontChoice)

namespace EA = EditorAppearance;

namespace {

QString switchText(bool on) {
    return on ? QStringLiteral("True") : QStringLiteral("False");
}

QColor backOf(DocumentWindow* doc) {
    return EA::colorsOf(*doc->editor()).back;
}

QColor foreOf(DocumentWindow* doc) {
    return EA::colorsOf(*doc->editor()).fore;
}

// What the settings file holds, read past the store's in-process cache.
QString onDisk(FrameFixture& fx, const QString& key) {
    return QSettings(fx.settingsPath(), QSettings::IniFormat).value(key).toString();
}

// Two windows, each with some text and clean: the first one and an active second one.
QPair<DocumentWindow*, DocumentWindow*> twoWindows(FrameFixture& fx) {
    fx.start();
    DocumentWindow* first = fx.active();
    DocumentWindow* second = fx.documents().newDocument();
    for (DocumentWindow* doc : {first, second}) {
        doc->loadBytes("some text\nfor the layout");
        doc->setChanged(false);
    }
    return {first, second};
}

void enterClearedMode(FrameFixture& fx) {
    fx.dialogs().answerMessage(MessageAnswer::Ok);
    fx.active()->action(Command::OptionsClearPreferences)->trigger();
    QVERIFY(fx.state().preferencesCleared());
    fx.dialogs().clear();
}

const FontChoice kChosenFont{QStringLiteral("DejaVu Serif"), 8.25, true, false, false, true};

}  // namespace

class TestAppearance : public QObject {
    Q_OBJECT
private slots:
    void colorsAreStoredWithRedInTheLowByte_data() {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("stored");
        QTest::newRow("red") << QColor(255, 0, 0) << "255";
        QTest::newRow("white") << QColor(255, 255, 255) << "16777215";
    }

    void colorsAreStoredWithRedInTheLowByte() {
        QFETCH(QColor, color);
        QFETCH(QString, stored);
        FrameFixture fx;
        fx.start();
        const QColor fore = foreOf(fx.active());
        fx.dialogs().answerColor(color);
        fx.active()->action(Command::OptionsBackgroundColor)->trigger();
        QCOMPARE(backOf(fx.active()), color);
        QCOMPARE(onDisk(fx, QStringLiteral("Color/BackColor")), stored);
        // The other colour is stored alongside, from the editor.
        QCOMPARE(onDisk(fx, QStringLiteral("Color/ForeColor")),
                 QString::number(fore.red() | fore.green() << 8 | fore.blue() << 16));
        fx.restart();
        QCOMPARE(backOf(fx.active()), color);
    }

    void backgroundReachesEveryWindowAndForegroundOnlyTheActiveOne() {
        FrameFixture fx;
        auto [first, second] = twoWindows(fx);
        const QColor firstFore = foreOf(first);
        fx.dialogs().answerColor(QColor(0, 0, 128));
        second->action(Command::OptionsBackgroundColor)->trigger();
        QCOMPARE(backOf(first), QColor(0, 0, 128));
        QCOMPARE(backOf(second), QColor(0, 0, 128));

        fx.dialogs().answerColor(QColor(255, 255, 0));
        second->action(Command::OptionsForegroundColor)->trigger();
        QCOMPARE(foreOf(second), QColor(255, 255, 0));
        QCOMPARE(foreOf(first), firstFore);
        QCOMPARE(fx.prefs().get(QStringLiteral("Color"), QStringLiteral("ForeColor")),
                 QStringLiteral("65535"));
        QVERIFY(!first->isChanged());
        QVERIFY(!second->isChanged());
        // A window created afterwards shows the new foreground.
        DocumentWindow* third = fx.documents().newDocument();
        QCOMPARE(foreOf(third), QColor(255, 255, 0));
        QCOMPARE(backOf(third), QColor(0, 0, 128));
    }

    void cancelledColorDialogKeepsThePreset() {
        FrameFixture fx;
        fx.start();
        const QColor back = backOf(fx.active());
        fx.dialogs().answerColor(std::nullopt);
        fx.active()->action(Command::OptionsBackgroundColor)->trigger();
        QCOMPARE(fx.dialogs().shown().last().kind, ScriptedDialogService::Kind::Color);
        QCOMPARE(fx.dialogs().shown().last().color, back);
        QCOMPARE(backOf(fx.active()), back);
        // The preset is what the command goes on with, stored like a choice.
        QCOMPARE(fx.prefs().get(QStringLiteral("Color"), QStringLiteral("BackColor")),
                 QString::number(back.red() | back.green() << 8 | back.blue() << 16));
    }

    void fontIsStoredWholeAndShownInTheStatusLine_data() {
        QTest::addColumn<FontChoice>("font");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("status");
        QTest::newRow("bold 8.25") << kChosenFont << "8.25"
                                   << " Font:  DejaVu Serif Bold 8.25 pt";
        QTest::newRow("bold italic 10")
            << FontChoice{QStringLiteral("DejaVu Sans"), 10, true, true, true, false} << "10"
            << " Font:  DejaVu Sans Bold Italic 10 pt";
        QTest::newRow("plain 12") << FontChoice{QStringLiteral("DejaVu Sans Mono"), 12} << "12"
                                  << " Font:  DejaVu Sans Mono 12 pt";
    }

    void fontIsStoredWholeAndShownInTheStatusLine() {
        QFETCH(FontChoice, font);
        FrameFixture fx;
        auto [first, second] = twoWindows(fx);
        const FontChoice before = EA::fontOf(*second->editor());
        fx.dialogs().answerFont(font);
        second->action(Command::OptionsFont)->trigger();
        QCOMPARE(fx.dialogs().shown().last().font, before);  // preset from the editor
        const auto stored = [&](const char* key) {
            return onDisk(fx, QStringLiteral("Font/") + QLatin1String(key));
        };
        QCOMPARE(stored("Name"), font.name);
        QTEST(stored("Size"), "size");
        QCOMPARE(stored("Bold"), switchText(font.bold));
        QCOMPARE(stored("Italic"), switchText(font.italic));
        QCOMPARE(stored("Strikethru"), switchText(font.strikeout));
        QCOMPARE(stored("Underline"), switchText(font.underline));
        QTEST(fx.frame().statusLine()->font()->text(), "status");
        for (DocumentWindow* doc : {first, second}) {
            QCOMPARE(doc->editor()->font().pointSizeF(), font.pointSize);
            QCOMPARE(doc->editor()->font().bold(), font.bold);
            QVERIFY(!doc->isChanged());
        }
    }

    void clearedModeChangesOnlyTheActiveWindowAndStoresNothing() {
        FrameFixture fx;
        auto [first, second] = twoWindows(fx);
        enterClearedMode(fx);
        const QColor firstBack = backOf(first);
        const double firstSize = first->editor()->font().pointSizeF();
        QLabel* status = fx.frame().statusLine()->font();
        status->setText(QStringLiteral(" Font:  earlier 9 pt"));

        fx.dialogs().answerColor(QColor(10, 20, 30));
        second->action(Command::OptionsBackgroundColor)->trigger();
        fx.dialogs().answerFont(kChosenFont);
        second->action(Command::OptionsFont)->trigger();

        QCOMPARE(backOf(second), QColor(10, 20, 30));
        QCOMPARE(second->editor()->font().pointSizeF(), 8.25);
        QCOMPARE(backOf(first), firstBack);
        QCOMPARE(first->editor()->font().pointSizeF(), firstSize);
        QCOMPARE(status->text(), QString());
        QFile file(fx.settingsPath());
        const QByteArray written = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        QVERIFY2(!written.contains("Color") && !written.contains("Font"), written.constData());
        QVERIFY(!second->isChanged());
    }
};

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
